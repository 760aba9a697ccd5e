// The overlay's fast path against the layer-by-layer reference renderer.

#include "RenderTestSupport.h"
#include "render/fast/OverlayFrameRenderer.h"

#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

namespace {
using namespace RenderTestSupport;

QImage renderFast(OverlayFrameRenderer& renderer, QSizeF size,
                  const OverlayRenderConfiguration& snapshot, double time, double ratio = 1,
                  const QRegion* region = nullptr) {
    const QSize pixels(static_cast<int>(std::ceil(size.width() * ratio - 1e-9)),
                       static_cast<int>(std::ceil(size.height() * ratio - 1e-9)));
    QImage image = transparentImage(pixels, ratio);
    QPainter painter(&image);
    const QRegion whole(0, 0, static_cast<int>(std::ceil(size.width())),
                        static_cast<int>(std::ceil(size.height())));
    renderer.paint(painter, size, snapshot, time, region ? *region : whole);
    return image;
}

QImage renderFast(QSizeF size, const OverlayRenderConfiguration& snapshot, double time,
                  double ratio = 1) {
    OverlayFrameRenderer renderer;
    return renderFast(renderer, size, snapshot, time, ratio);
}

// Within 2 levels per channel. (The glow's edges match too: the fast path blurs
// them the same way, so no margin is left out.)
void expectMatchesReference(QSizeF size, const OverlayRenderConfiguration& snapshot, double time,
                            double ratio, const char* what) {
    const QImage reference = renderReference(size, snapshot, time, ratio);
    const QImage fast = renderFast(size, snapshot, time, ratio);
    QPoint at;
    EXPECT_LE(maximumChannelDifference(reference, fast, &at), 2)
        << what << " " << size.width() << "x" << size.height() << " @" << ratio << " t=" << time
        << " grid " << snapshot.gridSize << " at " << at.x() << "," << at.y() << std::hex
        << " reference " << reference.pixel(at) << " fast " << fast.pixel(at);
}

OverlayRenderConfiguration with(OverlayRenderConfiguration snapshot, double gridSize) {
    snapshot.gridSize = gridSize;
    return OverlayRenderConfiguration::from(snapshot);
}

TEST(FastPath, MatchesTheReferenceForEachLayerAlone) {
    struct Case {
        const char* name;
        double OverlayRenderConfiguration::*field;
    };
    const Case cases[] = {{"tint", &OverlayRenderConfiguration::tintOpacity},
                          {"glow", &OverlayRenderConfiguration::phosphorGlow},
                          {"drift", &OverlayRenderConfiguration::horizontalDrift},
                          {"flicker", &OverlayRenderConfiguration::flickerIntensity},
                          {"dust", &OverlayRenderConfiguration::dustNoise},
                          {"band", &OverlayRenderConfiguration::rollingBand},
                          {"grid", &OverlayRenderConfiguration::gridOpacity},
                          {"scanlines", &OverlayRenderConfiguration::scanlineOpacity}};
    for (const Case& layer : cases) {
        OverlayRenderConfiguration snapshot = allZero();
        snapshot.*(layer.field) = 0.8;
        snapshot.tintHue = 0.6;
        for (const double ratio : {1.0, 2.0, 1.5})
            expectMatchesReference({202, 118}, with(snapshot, 5), 321.37, ratio, layer.name);
    }
}

TEST(FastPath, MatchesTheReferenceInEveryFlickerModeAndAtFractionalRatios) {
    for (const FlickerMode mode : FlickerMode::allCases()) {
        OverlayRenderConfiguration snapshot = everyEffectAtOne(mode);
        snapshot.tintOpacity = 0.3;
        snapshot.gridOpacity = 0.4;
        for (const double time : {1000 - 1e-4, 1000 + 1e-4})
            expectMatchesReference({640, 360}, snapshot, time, 1, mode.title().data());
        // A 1.5 ratio puts cell edges between pixels: the grid repeats every
        // two cells. Sizes whose device size is whole.
        for (const QSizeF size : {QSizeF(320, 200), QSizeF(98, 62)})
            for (const double gridSize : {3.0, 4.0, 7.0})
                expectMatchesReference(size, with(snapshot, gridSize), 2e4, 1.5, "1.5");
    }
}

TEST(FastPath, PaintsOnlyInsideTheRegion) {
    const OverlayRenderConfiguration snapshot = everyEffectAtOne();
    const QImage whole = renderReference({160, 120}, snapshot, 61.5, 2);
    OverlayFrameRenderer renderer;
    const QRegion region = QRegion(10, 20, 30, 40) + QRegion(100, 5, 7, 90);
    const QImage part = renderFast(renderer, {160, 120}, snapshot, 61.5, 2, &region);
    for (int y = 0; y < part.height(); ++y) {
        for (int x = 0; x < part.width(); ++x) {
            if (region.contains(QPoint(x / 2, y / 2)))
                ASSERT_EQ(part.pixel(x, y), whole.pixel(x, y)) << x << "," << y;
            else
                ASSERT_EQ(part.pixel(x, y), 0u) << x << "," << y;
        }
    }
}

TEST(FastPath, PaintingIntoAnEarlierFrameReplacesExactlyTheRegion) {
    // With and without a lower layer (tint and glow, or glow alone).
    OverlayRenderConfiguration glow = everyEffectAtOne();
    glow.tintOpacity = 0;
    for (const OverlayRenderConfiguration& snapshot :
         {everyEffectAtOne(), glow, OverlayRenderConfiguration()}) {
        for (const double ratio : {1.0, 1.5}) {
            const QImage reference = renderReference({202, 118}, snapshot, 61.5, ratio);
            QImage frame = transparentImage(reference.size(), ratio);
            frame.fill(qRgba(200, 10, 10, 200));
            const QImage earlier = frame;
            const QRegion region = QRegion(0, 0, 202, 30) + QRegion(150, 50, 52, 68);
            OverlayFrameRenderer renderer;
            renderer.paintInto(frame, {202, 118}, snapshot, 61.5, region);
            QRegion pixels;
            for (const QRect& rect : region)
                pixels += OverlayFrameRenderer::devicePixels(rect, ratio);
            int worst = 0;
            for (int y = 0; y < frame.height(); ++y) {
                for (int x = 0; x < frame.width(); ++x) {
                    if (!pixels.contains(QPoint(x, y))) {
                        ASSERT_EQ(frame.pixel(x, y), earlier.pixel(x, y)) << x << "," << y;
                        continue;
                    }
                    const QRgb a = reference.pixel(x, y), b = frame.pixel(x, y);
                    for (const int shift : {0, 8, 16, 24})
                        worst = std::max(
                            worst, std::abs(int((a >> shift) & 0xff) - int((b >> shift) & 0xff)));
                }
            }
            EXPECT_LE(worst, 2) << "ratio " << ratio;
        }
    }
}

TEST(FastPath, RebuildsTheStillLayersOnlyWhenTheyChange) {
    OverlayFrameRenderer renderer;
    OverlayRenderConfiguration snapshot = everyEffectAtOne();
    renderFast(renderer, {64, 48}, snapshot, 1);
    EXPECT_EQ(renderer.staticLayerBuildCount(), 1);
    // Time and the moving layers' settings leave the cache alone.
    renderFast(renderer, {64, 48}, snapshot, 2);
    snapshot.flickerIntensity = 0.5;
    snapshot.flickerMode = FlickerMode::pulse;
    snapshot.horizontalDriftSpeed = 0.2;
    snapshot.dustNoise = 0.3;
    renderFast(renderer, {64, 48}, snapshot, 3);
    EXPECT_EQ(renderer.staticLayerBuildCount(), 1);

    int builds = 1;
    const auto expectRebuild = [&](const OverlayRenderConfiguration& changed, QSizeF size,
                                   double ratio, const char* what) {
        renderFast(renderer, size, changed, 4, ratio);
        EXPECT_EQ(renderer.staticLayerBuildCount(), ++builds) << what;
        EXPECT_EQ(renderFast(renderer, size, changed, 4, ratio),
                  renderFast(size, changed, 4, ratio))
            << what << ": nothing stale";
    };
    for (const auto field : std::initializer_list<double OverlayRenderConfiguration::*>{
             &OverlayRenderConfiguration::cellSize, &OverlayRenderConfiguration::gridOpacity,
             &OverlayRenderConfiguration::scanlineOpacity, &OverlayRenderConfiguration::tintHue,
             &OverlayRenderConfiguration::tintOpacity, &OverlayRenderConfiguration::phosphorGlow}) {
        snapshot.*field = snapshot.*field * 0.5 + 3;
        expectRebuild(snapshot, {64, 48}, 1, "setting");
    }
    expectRebuild(snapshot, {64, 49}, 1, "size");
    expectRebuild(snapshot, {64, 49}, 2, "pixel ratio");
}
TEST(FastPath, LeavesAloneCanvasesNoImageCanHold) {
    QImage image = transparentImage({8, 8}, 1);
    OverlayFrameRenderer renderer;
    {
        QPainter painter(&image);
        for (const QSizeF size : {QSizeF(1e6, 8), QSizeF(8, std::nan("")), QSizeF(0, 8)})
            renderer.paint(painter, size, everyEffectAtOne(), 5, QRegion(0, 0, 8, 8));
    }
    EXPECT_EQ(renderer.staticLayerBuildCount(), 0);
    EXPECT_EQ(image, transparentImage({8, 8}, 1));
}
} // namespace
