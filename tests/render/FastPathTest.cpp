// The overlay's fast path against the layer-by-layer reference renderer.

#include "render/fast/OverlayFrameRenderer.h"
#include "settings/SettingsTable.h"
#include "support/RenderTestSupport.h"

#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

namespace {
using namespace RenderTestSupport;

// With a fresh renderer unless one is given.
QImage renderFast(QSizeF size, const OverlayRenderConfiguration& snapshot, double time,
                  double ratio = 1, OverlayFrameRenderer* renderer = nullptr) {
    QImage image = transparentImage(size, ratio);
    QPainter painter(&image);
    OverlayFrameRenderer fresh;
    (renderer ? *renderer : fresh)
        .paint(painter, size, snapshot, time, QRectF(QPointF(), size).toAlignedRect());
    return image;
}

// Within 2 levels per channel. (The glow's edges match too: the fast path blurs
// them the same way, so no margin is left out.)
void expectMatchesReference(QSizeF size, const OverlayRenderConfiguration& snapshot, double time,
                            double ratio, const char* what) {
    EXPECT_LE(maximumChannelDifference(renderReference(size, snapshot, time, ratio),
                                       renderFast(size, snapshot, time, ratio)),
              2)
        << what << " " << size.width() << "x" << size.height() << " @" << ratio << " t=" << time
        << " grid " << snapshot.gridSize;
}

OverlayRenderConfiguration with(OverlayRenderConfiguration snapshot, double gridSize) {
    snapshot.gridSize = gridSize;
    return OverlayRenderConfiguration::from(snapshot);
}

// Each layer alone, then all of them in every flicker mode across a noise tick.
// A 1.5 ratio puts cell edges between pixels: the grid repeats every two cells
// (sizes whose device size is whole).
TEST(FastPath, MatchesTheReference) {
    for (const Setting layer :
         {Setting::tintOpacity, Setting::phosphorGlow, Setting::horizontalDrift,
          Setting::flickerIntensity, Setting::dustNoise, Setting::rollingBand, Setting::gridOpacity,
          Setting::scanlineOpacity})
        for (const double ratio : {1.0, 2.0, 1.5})
            expectMatchesReference(
                {202, 118},
                allZeroBut({{layer, 0.8}, {Setting::tintHue, 0.6}, {Setting::gridSize, 5}}), 321.37,
                ratio, SettingsTable::of(layer).name);
    for (const FlickerMode mode : FlickerMode::allCases()) {
        OverlayRenderConfiguration snapshot = everyEffectAtOne(mode);
        snapshot.tintOpacity = 0.3;
        snapshot.gridOpacity = 0.4;
        for (const double time : {1000 - 1e-4, 1000 + 1e-4})
            expectMatchesReference({640, 360}, snapshot, time, 1, mode.title().data());
        for (const QSizeF size : {QSizeF(320, 200), QSizeF(98, 62)})
            for (const double gridSize : {3.0, 4.0, 7.0})
                expectMatchesReference(size, with(snapshot, gridSize), 2e4, 1.5, "1.5");
    }
}

TEST(FastPath, PaintingIntoAnEarlierFrameReplacesExactlyTheRegion) {
    // With and without a lower layer (tint and glow, or glow alone); flashes
    // and drift bands alone, on cells of whole pixels at one ratio only.
    OverlayRenderConfiguration glow = everyEffectAtOne();
    glow.tintOpacity = 0;
    OverlayRenderConfiguration flat = everyEffectAtOne(FlickerMode::jitter);
    flat.rollingBand = flat.dustNoise = 0;
    flat.gridSize = flat.cellSize = 3;
    for (const OverlayRenderConfiguration& snapshot :
         {everyEffectAtOne(), glow, OverlayRenderConfiguration(), flat}) {
        for (const double ratio : {1.0, 1.5}) {
            QImage reference = renderReference({202, 118}, snapshot, 61.5, ratio);
            QImage frame = transparentImage({202, 118}, ratio);
            frame.fill(qRgba(200, 10, 10, 200));
            // The earlier frame with the reference's pixels inside the region.
            QImage expected = frame.copy();
            // Wide strips for the painter, and single cells it leaves to plain arithmetic.
            QRegion region = QRegion(0, 0, 202, 30) + QRegion(150, 50, 52, 68);
            for (int x = 0; x < 202; x += 6)
                for (int y = 30; y < 118; y += 6)
                    region += QRect(x, y, 3, 3);
            OverlayFrameRenderer().paintInto(frame, {202, 118}, snapshot, 61.5, region);
            QRegion pixels;
            for (const QRect& rect : region)
                pixels += OverlayFrameRenderer::devicePixels(rect, ratio);
            for (QImage* image : {&frame, &expected, &reference})
                image->setDevicePixelRatio(1);
            QPainter painter(&expected);
            painter.setClipRegion(pixels);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(0, 0, reference);
            painter.end();
            EXPECT_LE(maximumChannelDifference(frame, expected), 2) << "ratio " << ratio;
        }
    }
}

TEST(FastPath, RebuildsTheStillLayersOnlyWhenTheyChange) {
    OverlayFrameRenderer renderer;
    OverlayRenderConfiguration snapshot = everyEffectAtOne();
    // Time and the moving layers' settings leave the cache alone.
    renderFast({64, 48}, snapshot, 1, 1, &renderer);
    snapshot.flickerIntensity = 0.5;
    snapshot.flickerMode = FlickerMode::pulse;
    snapshot.horizontalDriftSpeed = 0.2;
    snapshot.dustNoise = 0.3;
    renderFast({64, 48}, snapshot, 3, 1, &renderer);
    EXPECT_EQ(renderer.staticLayerBuildCount(), 1);

    int builds = 1;
    const auto expectRebuild = [&](const OverlayRenderConfiguration& changed, QSizeF size,
                                   double ratio, const char* what) {
        renderFast(size, changed, 4, ratio, &renderer);
        EXPECT_EQ(renderer.staticLayerBuildCount(), ++builds) << what;
        EXPECT_EQ(renderFast(size, changed, 4, ratio, &renderer),
                  renderFast(size, changed, 4, ratio))
            << what << ": nothing stale";
    };
    using C = OverlayRenderConfiguration;
    for (const auto field :
         std::initializer_list<double C::*>{&C::cellSize, &C::gridOpacity, &C::scanlineOpacity,
                                            &C::tintHue, &C::tintOpacity, &C::phosphorGlow}) {
        snapshot.*field = snapshot.*field * 0.5 + 3;
        expectRebuild(snapshot, {64, 48}, 1, "setting");
    }
    expectRebuild(snapshot, {64, 49}, 1, "size");
    expectRebuild(snapshot, {64, 49}, 2, "pixel ratio");
}
TEST(FastPath, LeavesAloneCanvasesNoImageCanHold) {
    QImage image = transparentImage({8, 8});
    OverlayFrameRenderer renderer;
    {
        QPainter painter(&image);
        for (const QSizeF size : {QSizeF(1e6, 8), QSizeF(8, std::nan("")), QSizeF(0, 8)})
            renderer.paint(painter, size, everyEffectAtOne(), 5, QRegion(0, 0, 8, 8));
    }
    EXPECT_EQ(renderer.staticLayerBuildCount(), 0);
    EXPECT_EQ(image, transparentImage({8, 8}));
}
} // namespace
