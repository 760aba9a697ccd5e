// Which part of the canvas may change between two frames.

#include "render/fast/OverlayFrameRenderer.h"
#include "render/layers/HorizontalDrift.h"
#include "support/RenderTestSupport.h"

#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {
using namespace RenderTestSupport;

const QSizeF canvas(400, 300);

QImage frameAt(const OverlayRenderConfiguration& snapshot, double time, double ratio = 1) {
    QImage image = transparentImage(canvas, ratio);
    QPainter painter(&image);
    OverlayFrameRenderer().paint(painter, canvas, snapshot, time, QRegion(0, 0, 400, 300));
    return image;
}

// Pixels outside the region (as painted: in device pixels) are identical in
// both frames at pixel ratios 1, 1.5 and 2; returns how many differ inside it.
int expectChangesInside(const OverlayRenderConfiguration& snapshot, double before, double after) {
    int changedInside = 0;
    for (const double ratio : {1.0, 1.5, 2.0}) {
        QRegion region;
        for (const QRect& rect :
             OverlayFrameRenderer::changedRegion(canvas, snapshot, before, after, ratio))
            region += OverlayFrameRenderer::devicePixels(rect, ratio);
        const QImage first = frameAt(snapshot, before, ratio);
        const QImage second = frameAt(snapshot, after, ratio);
        for (int y = 0; y < first.height(); ++y) {
            for (int x = 0; x < first.width(); ++x) {
                const bool same = first.pixel(x, y) == second.pixel(x, y);
                if (region.contains(QPoint(x, y)))
                    changedInside += !same;
                else if (!same)
                    ADD_FAILURE() << x << "," << y << " @" << ratio << " changed outside";
            }
        }
    }
    return changedInside;
}

// A still picture under the one moving layer given.
OverlayRenderConfiguration only(Setting moving, double value = 1, double speed = 1) {
    return allZeroBut({{Setting::gridOpacity, 0.3},
                       {Setting::tintOpacity, 0.2},
                       {Setting::phosphorGlow, 1},
                       {Setting::horizontalDriftSpeed, speed},
                       {Setting::rollingBandSpeed, speed},
                       {moving, value}});
}

// Each moving layer, alone and together, across a band's wrap and a noise
// tick: every changed pixel lies inside the region.
TEST(FrameChangeRegion, EveryChangedPixelLiesInsideTheRegion) {
    OverlayRenderConfiguration dustAndCreepingBand = only(Setting::dustNoise, 0.3, 0);
    dustAndCreepingBand.rollingBand = 1; // a fraction of a point, repainted with the dots
    OverlayRenderConfiguration oddCells = only(Setting::flickerIntensity, 0.05);
    oddCells.gridSize = oddCells.cellSize = 3;
    const double lap = (300 + 80) / (76 * 2.0);
    const struct {
        const char* name;
        OverlayRenderConfiguration snapshot;
        double before, after;
    } cases[] = {
        {"band", only(Setting::rollingBand), 200, 200 + 1.0 / 30},
        {"band across the wrap", only(Setting::rollingBand), lap * 3 - 0.02, lap * 3 + 0.02},
        {"drift", only(Setting::horizontalDrift), 321.5, 321.5 + 1.0 / 30},
        {"slow drift", only(Setting::horizontalDrift, 1, 0), 321.5, 321.7},
        {"dust", only(Setting::dustNoise), 1000 - 0.01, 1000 + 0.01},
        {"flicker", only(Setting::flickerIntensity, 0.05), 1000 - 0.01, 1000 + 0.01},
        {"flicker, cells of 4.5 pixels at 1.5", oddCells, 1000 - 0.01, 1000 + 0.01},
        {"dust and band", dustAndCreepingBand, 1000 - 0.01, 1000 + 0.01},
        {"soft", everyEffectAtOne(FlickerMode::soft), 1000 - 0.01, 1000 + 0.02},
        {"pulse", everyEffectAtOne(FlickerMode::pulse), 1000 - 0.01, 1000 + 0.02},
    };
    for (const auto& c : cases)
        EXPECT_GT(expectChangesInside(c.snapshot, c.before, c.after), 0) << c.name;
}

// The region stays small where little changes: the band's rows, the dots, and
// not the inside of a drift band that lies in both frames (one colour there).
TEST(FrameChangeRegion, RepaintsOnlyWhatMoved) {
    const auto area = [](const OverlayRenderConfiguration& snapshot, double before, double after) {
        double total = 0;
        for (const QRect& rect :
             OverlayFrameRenderer::changedRegion(canvas, snapshot, before, after))
            total += rect.width() * rect.height();
        return total / (400 * 300);
    };
    EXPECT_LT(area(only(Setting::rollingBand), 200, 200 + 1.0 / 30), 0.8);
    EXPECT_LT(area(only(Setting::dustNoise), 1000 - 0.01, 1000.01), 0.2);
    const OverlayRenderConfiguration slow = only(Setting::horizontalDrift, 1, 0);
    HorizontalDriftBands before, after;
    ASSERT_TRUE(horizontalDriftBands(400, 300, slow, 321.5, before));
    ASSERT_TRUE(horizontalDriftBands(400, 300, slow, 321.7, after));
    const QRectF both = before[2].rect.intersected(after[2].rect);
    ASSERT_GT(both.height(), 6);
    EXPECT_FALSE(OverlayFrameRenderer::changedRegion(canvas, slow, 321.5, 321.7)
                     .contains(both.center().toPoint()));
}

// A picture without moving layers, noise within one tick or a band moved by
// less than a whole point never needs drawing again.
TEST(FrameChangeRegion, NothingToRepaintWhileNothingMoves) {
    EXPECT_FALSE(OverlayFrameRenderer::isAnimated(OverlayRenderConfiguration()));
    OverlayRenderConfiguration still = everyEffectAtOne();
    still.horizontalDrift = still.flickerIntensity = 0;
    still.rollingBand = std::nan("");
    still.dustNoise = -1;
    EXPECT_FALSE(OverlayFrameRenderer::isAnimated(still));
    for (const Setting moving : {Setting::horizontalDrift, Setting::flickerIntensity,
                                 Setting::dustNoise, Setting::rollingBand})
        EXPECT_TRUE(OverlayFrameRenderer::isAnimated(only(moving, 0.01)));
    EXPECT_TRUE(OverlayFrameRenderer::changedRegion(canvas, still, 10, 5000).isEmpty());
    EXPECT_EQ(frameAt(still, 10), frameAt(still, 5000));

    const OverlayRenderConfiguration dust = only(Setting::dustNoise);
    EXPECT_TRUE(OverlayFrameRenderer::changedRegion(canvas, dust, 1000.001, 1000.05).isEmpty());
    EXPECT_EQ(frameAt(dust, 1000.001), frameAt(dust, 1000.05));

    const OverlayRenderConfiguration creeping = only(Setting::rollingBand, 1, 0); // 11.4 points/s
    EXPECT_TRUE(OverlayFrameRenderer::changedRegion(canvas, creeping, 510, 510.05).isEmpty());
    EXPECT_FALSE(OverlayFrameRenderer::changedRegion(canvas, creeping, 510, 510.1).isEmpty());
}

TEST(FrameChangeRegion, WholeCanvasWhenUnsure) {
    const QRegion whole(0, 0, 400, 300);
    const double inf = std::numeric_limits<double>::infinity();
    const OverlayRenderConfiguration moving = everyEffectAtOne(FlickerMode::jitter);
    EXPECT_EQ(OverlayFrameRenderer::changedRegion(canvas, moving, 5, inf), whole);
    EXPECT_EQ(OverlayFrameRenderer::changedRegion(canvas, moving, std::nan(""), 5), whole);
    EXPECT_TRUE(OverlayFrameRenderer::changedRegion({inf, 300}, moving, 1, 2).isEmpty());
    EXPECT_EQ(
        OverlayFrameRenderer::changedRegion({1e12, 1e12}, moving, 1, 2).boundingRect().topLeft(),
        QPoint(0, 0));
}
} // namespace
