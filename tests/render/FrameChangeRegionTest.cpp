// Which part of the canvas may change between two frames.

#include "RenderTestSupport.h"
#include "render/fast/OverlayFrameRenderer.h"
#include "render/layers/HorizontalDrift.h"
#include "render/layers/RollingBand.h"

#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {
using namespace RenderTestSupport;

const QSizeF canvas(400, 300);

QImage frameAt(const OverlayRenderConfiguration& snapshot, double time, double ratio = 1) {
    QImage image = transparentImage((canvas * ratio).toSize(), ratio);
    QPainter painter(&image);
    OverlayFrameRenderer().paint(painter, canvas, snapshot, time, QRegion(0, 0, 400, 300));
    return image;
}

// Pixels outside the region are identical in both frames; returns how many
// pixels differ inside it.
int expectChangesInside(const OverlayRenderConfiguration& snapshot, double before, double after,
                        double ratio = 1) {
    const QRegion region = OverlayFrameRenderer::changedRegion(canvas, snapshot, before, after);
    const QImage first = frameAt(snapshot, before, ratio);
    const QImage second = frameAt(snapshot, after, ratio);
    int changedInside = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const bool same = first.pixel(x, y) == second.pixel(x, y);
            const QPoint point(static_cast<int>(x / ratio), static_cast<int>(y / ratio));
            if (region.contains(point))
                changedInside += !same;
            else if (!same)
                ADD_FAILURE() << "pixel " << x << "," << y << " changed outside the region";
        }
    }
    return changedInside;
}

double area(const QRegion& region) {
    double total = 0;
    for (const QRect& rect : region)
        total += rect.width() * rect.height();
    return total;
}

OverlayRenderConfiguration only(double OverlayRenderConfiguration::*field, double value = 1) {
    OverlayRenderConfiguration snapshot = allZero();
    snapshot.gridOpacity = 0.3;
    snapshot.tintOpacity = 0.2;
    snapshot.phosphorGlow = 1;
    snapshot.horizontalDriftSpeed = 1;
    snapshot.rollingBandSpeed = 1;
    snapshot.*field = value;
    return snapshot;
}

TEST(FrameChangeRegion, OnlyTheMovingLayersAnimate) {
    EXPECT_FALSE(OverlayFrameRenderer::isAnimated(OverlayRenderConfiguration()));
    OverlayRenderConfiguration still = everyEffectAtOne();
    still.horizontalDrift = still.flickerIntensity = still.dustNoise = still.rollingBand = 0;
    EXPECT_FALSE(OverlayFrameRenderer::isAnimated(still));
    still.rollingBand = std::nan("");
    still.dustNoise = -1;
    EXPECT_FALSE(OverlayFrameRenderer::isAnimated(still));
    for (const auto field :
         {&OverlayRenderConfiguration::horizontalDrift,
          &OverlayRenderConfiguration::flickerIntensity, &OverlayRenderConfiguration::dustNoise,
          &OverlayRenderConfiguration::rollingBand})
        EXPECT_TRUE(OverlayFrameRenderer::isAnimated(only(field, 0.01)));

    // A still picture never needs drawing again.
    EXPECT_TRUE(OverlayFrameRenderer::changedRegion(canvas, still, 10, 5000).isEmpty());
    EXPECT_EQ(frameAt(still, 10), frameAt(still, 5000));
}

TEST(FrameChangeRegion, MovingBandsRepaintTheirRowsOfBothFrames) {
    const OverlayRenderConfiguration band = only(&OverlayRenderConfiguration::rollingBand);
    EXPECT_GT(expectChangesInside(band, 200, 200 + 1.0 / 30), 0);
    EXPECT_LT(area(OverlayFrameRenderer::changedRegion(canvas, band, 200, 200 + 1.0 / 30)),
              0.8 * 400 * 300);
    // Across the wrap from the bottom back to the top.
    const double lap = (300 + 80) / (76 * 2.0);
    EXPECT_GT(expectChangesInside(band, lap * 3 - 0.02, lap * 3 + 0.02), 0);

    const OverlayRenderConfiguration drift = only(&OverlayRenderConfiguration::horizontalDrift);
    EXPECT_GT(expectChangesInside(drift, 321.5, 321.5 + 1.0 / 30), 0);
    EXPECT_GT(expectChangesInside(drift, 321.5, 321.5 + 1.0 / 30, 2), 0);

    // A drift band is one colour inside its outline: where it lies in both
    // frames nothing changes, and only its edges are repainted.
    OverlayRenderConfiguration slow = drift;
    slow.horizontalDriftSpeed = 0;
    EXPECT_GT(expectChangesInside(slow, 321.5, 321.7), 0);
    HorizontalDriftBands before, after;
    ASSERT_TRUE(horizontalDriftBands(400, 300, slow, 321.5, before));
    ASSERT_TRUE(horizontalDriftBands(400, 300, slow, 321.7, after));
    const QRectF both = before[2].rect.intersected(after[2].rect);
    ASSERT_GT(both.height(), 6);
    EXPECT_FALSE(OverlayFrameRenderer::changedRegion(canvas, slow, 321.5, 321.7)
                     .contains(both.center().toPoint()));
}

TEST(FrameChangeRegion, NoiseRepaintsTheCellsAndDotsOfBothTicks) {
    const OverlayRenderConfiguration dust = only(&OverlayRenderConfiguration::dustNoise);
    EXPECT_GT(expectChangesInside(dust, 1000 - 0.01, 1000 + 0.01), 0);
    const QRegion dots = OverlayFrameRenderer::changedRegion(canvas, dust, 1000 - 0.01, 1000.01);
    EXPECT_LT(area(dots), 0.2 * 400 * 300);

    const OverlayRenderConfiguration flicker =
        only(&OverlayRenderConfiguration::flickerIntensity, 0.05);
    EXPECT_GT(expectChangesInside(flicker, 1000 - 0.01, 1000 + 0.01), 0);
    EXPECT_GT(expectChangesInside(flicker, 1000 - 0.01, 1000 + 0.01, 2), 0);

    // Within one tick the noise does not change at all.
    EXPECT_TRUE(OverlayFrameRenderer::changedRegion(canvas, dust, 1000.001, 1000.05).isEmpty());
    EXPECT_EQ(frameAt(dust, 1000.001), frameAt(dust, 1000.05));
}

TEST(FrameChangeRegion, EverythingMovingTogether) {
    for (const FlickerMode mode : FlickerMode::allCases())
        expectChangesInside(everyEffectAtOne(mode), 1000 - 0.01, 1000 + 0.02);
    OverlayRenderConfiguration mixed = only(&OverlayRenderConfiguration::dustNoise, 0.3);
    mixed.rollingBand = 1;
    mixed.rollingBandSpeed = 0; // creeps by a fraction of a point, repainted with the dots
    EXPECT_GT(expectChangesInside(mixed, 1000 - 0.01, 1000 + 0.01), 0);
}

TEST(FrameChangeRegion, SubPointBandMotionAloneIsNotWorthARepaint) {
    OverlayRenderConfiguration slow = only(&OverlayRenderConfiguration::rollingBand);
    slow.rollingBandSpeed = 0; // 11.4 points a second
    EXPECT_TRUE(OverlayFrameRenderer::changedRegion(canvas, slow, 510, 510.05).isEmpty());
    // The frames differ, but only where the band is.
    const QRectF band = *rollingBandRect(400, 300, slow, 510);
    ASSERT_GT(band.top(), 0);
    const QImage first = frameAt(slow, 510);
    const QImage second = frameAt(slow, 510.05);
    EXPECT_NE(first, second);
    for (int y = 0; y < 300; ++y) {
        if (y < band.top() - 2 || y > band.bottom() + 2) {
            EXPECT_EQ(first.copy(0, y, 400, 1), second.copy(0, y, 400, 1)) << y;
        }
    }
    // A whole point later it is repainted.
    EXPECT_FALSE(OverlayFrameRenderer::changedRegion(canvas, slow, 510, 510.1).isEmpty());
}

TEST(FrameChangeRegion, WholeCanvasWhenUnsure) {
    const QRegion whole(0, 0, 400, 300);
    const double inf = std::numeric_limits<double>::infinity();
    const OverlayRenderConfiguration moving = everyEffectAtOne(FlickerMode::jitter);
    EXPECT_EQ(OverlayFrameRenderer::changedRegion(canvas, moving, 5, inf), whole);
    EXPECT_EQ(OverlayFrameRenderer::changedRegion(canvas, moving, std::nan(""), 5), whole);
    // So many flashes that a region of cells would cost more than it saves.
    EXPECT_EQ(OverlayFrameRenderer::changedRegion(canvas, moving, 1000 - 0.01, 1000.01), whole);
    EXPECT_TRUE(OverlayFrameRenderer::changedRegion({inf, 300}, moving, 1, 2).isEmpty());
    EXPECT_EQ(
        OverlayFrameRenderer::changedRegion({1e12, 1e12}, moving, 1, 2).boundingRect().topLeft(),
        QPoint(0, 0));
}
} // namespace
