// Which part of the canvas may change between two frames.

#include "render/fast/OverlayFrameRenderer.h"
#include "render/layers/HorizontalDrift.h"
#include "render/layers/RollingBand.h"
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

// Pixels outside the region are identical in both frames at pixel ratios 1
// and 2; returns how many pixels differ inside it.
int expectChangesInside(const OverlayRenderConfiguration& snapshot, double before, double after) {
    const QRegion region = OverlayFrameRenderer::changedRegion(canvas, snapshot, before, after);
    int changedInside = 0;
    for (const int ratio : {1, 2}) {
        const QImage first = frameAt(snapshot, before, ratio);
        const QImage second = frameAt(snapshot, after, ratio);
        for (int y = 0; y < first.height(); ++y) {
            for (int x = 0; x < first.width(); ++x) {
                const bool same = first.pixel(x, y) == second.pixel(x, y);
                if (region.contains(QPoint(x / ratio, y / ratio)))
                    changedInside += !same;
                else if (!same)
                    ADD_FAILURE() << x << "," << y << " @" << ratio << " changed outside";
            }
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

// Each moving layer, alone and together, across a band's wrap and a noise
// tick: every changed pixel lies inside the region.
TEST(FrameChangeRegion, EveryChangedPixelLiesInsideTheRegion) {
    using C = OverlayRenderConfiguration;
    C slowDrift = only(&C::horizontalDrift);
    slowDrift.horizontalDriftSpeed = 0;
    C dustAndCreepingBand = only(&C::dustNoise, 0.3);
    dustAndCreepingBand.rollingBand = 1;
    dustAndCreepingBand.rollingBandSpeed = 0; // a fraction of a point, repainted with the dots
    const double lap = (300 + 80) / (76 * 2.0);
    const struct {
        const char* name;
        C snapshot;
        double before, after;
    } cases[] = {
        {"band", only(&C::rollingBand), 200, 200 + 1.0 / 30},
        {"band across the wrap", only(&C::rollingBand), lap * 3 - 0.02, lap * 3 + 0.02},
        {"drift", only(&C::horizontalDrift), 321.5, 321.5 + 1.0 / 30},
        {"slow drift", slowDrift, 321.5, 321.7},
        {"dust", only(&C::dustNoise), 1000 - 0.01, 1000 + 0.01},
        {"flicker", only(&C::flickerIntensity, 0.05), 1000 - 0.01, 1000 + 0.01},
        {"dust and band", dustAndCreepingBand, 1000 - 0.01, 1000 + 0.01},
        {"soft", everyEffectAtOne(FlickerMode::soft), 1000 - 0.01, 1000 + 0.02},
        {"pulse", everyEffectAtOne(FlickerMode::pulse), 1000 - 0.01, 1000 + 0.02},
        {"jitter", everyEffectAtOne(FlickerMode::jitter), 1000 - 0.01, 1000 + 0.02},
    };
    for (const auto& c : cases)
        EXPECT_GT(expectChangesInside(c.snapshot, c.before, c.after), 0) << c.name;
}

// The region stays small where little changes: the band's rows, the dots, and
// not the inside of a drift band that lies in both frames (one colour there).
TEST(FrameChangeRegion, RepaintsOnlyWhatMoved) {
    using C = OverlayRenderConfiguration;
    EXPECT_LT(area(OverlayFrameRenderer::changedRegion(canvas, only(&C::rollingBand), 200,
                                                       200 + 1.0 / 30)),
              0.8 * 400 * 300);
    EXPECT_LT(area(OverlayFrameRenderer::changedRegion(canvas, only(&C::dustNoise), 1000 - 0.01,
                                                       1000.01)),
              0.2 * 400 * 300);
    C slow = only(&C::horizontalDrift);
    slow.horizontalDriftSpeed = 0;
    HorizontalDriftBands before, after;
    ASSERT_TRUE(horizontalDriftBands(400, 300, slow, 321.5, before));
    ASSERT_TRUE(horizontalDriftBands(400, 300, slow, 321.7, after));
    const QRectF both = before[2].rect.intersected(after[2].rect);
    ASSERT_GT(both.height(), 6);
    EXPECT_FALSE(OverlayFrameRenderer::changedRegion(canvas, slow, 321.5, 321.7)
                     .contains(both.center().toPoint()));
}

// A picture without moving layers, or noise within one tick, never needs
// drawing again.
TEST(FrameChangeRegion, NothingToRepaintWhileNothingMoves) {
    EXPECT_FALSE(OverlayFrameRenderer::isAnimated(OverlayRenderConfiguration()));
    OverlayRenderConfiguration still = everyEffectAtOne();
    still.horizontalDrift = still.flickerIntensity = 0;
    still.rollingBand = std::nan("");
    still.dustNoise = -1;
    EXPECT_FALSE(OverlayFrameRenderer::isAnimated(still));
    for (const auto field :
         {&OverlayRenderConfiguration::horizontalDrift,
          &OverlayRenderConfiguration::flickerIntensity, &OverlayRenderConfiguration::dustNoise,
          &OverlayRenderConfiguration::rollingBand})
        EXPECT_TRUE(OverlayFrameRenderer::isAnimated(only(field, 0.01)));
    EXPECT_TRUE(OverlayFrameRenderer::changedRegion(canvas, still, 10, 5000).isEmpty());
    EXPECT_EQ(frameAt(still, 10), frameAt(still, 5000));

    const OverlayRenderConfiguration dust = only(&OverlayRenderConfiguration::dustNoise);
    EXPECT_TRUE(OverlayFrameRenderer::changedRegion(canvas, dust, 1000.001, 1000.05).isEmpty());
    EXPECT_EQ(frameAt(dust, 1000.001), frameAt(dust, 1000.05));
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
