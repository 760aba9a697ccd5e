#include "render/layers/HorizontalDrift.h"
#include "render/layers/RollingBand.h"
#include "support/RenderTestSupport.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
using RenderTestSupport::allZeroBut;

OverlayRenderConfiguration bands(double speed = 0.5) {
    return allZeroBut({{Setting::horizontalDrift, 1},
                       {Setting::horizontalDriftSpeed, speed},
                       {Setting::rollingBand, 1},
                       {Setting::rollingBandSpeed, speed}});
}

std::vector<QRectF> driftRects(double height, const OverlayRenderConfiguration& snapshot,
                               double time) {
    RecordingDrawingContext context;
    drawHorizontalDrift(context, 1920, height, snapshot, time);
    std::vector<QRectF> rects;
    for (const auto& op : context.operations())
        if (op.kind == RecordingDrawingContext::Operation::Kind::fill)
            rects.push_back(op.path.rect());
    return rects;
}

QRectF rollingRect(double height, const OverlayRenderConfiguration& snapshot, double time) {
    RecordingDrawingContext context;
    drawRollingBand(context, 1920, height, snapshot, time);
    return context.operations().at(0).path.rect();
}

// At the reference date the first drift band starts just above the top (sin(0) sway).
TEST(MovingBands, BandHeightsFollowTheCanvasWithFloors) {
    EXPECT_EQ(driftRects(1080, bands(), 0).at(0), QRectF(0, -37.8, 1920, 37.8));
    EXPECT_EQ(driftRects(400, bands(), 10).at(4).height(), 18);
    EXPECT_DOUBLE_EQ(rollingRect(1080, bands(), 10).height(), 172.8);
    EXPECT_EQ(rollingRect(400, bands(), 10).height(), 80);
}

TEST(MovingBands, NegativePositionsWrapOntoTheSameTrack) {
    const OverlayRenderConfiguration snapshot = bands();
    const double speed = 0.5 * 1.85 + 0.15;
    const double period = (1080 + 172.8) / (76 * speed); // seconds per lap
    for (const double time : {-0.01, -3.7, -1000.3, -978307200.0}) {
        const QRectF rect = rollingRect(1080, snapshot, time);
        EXPECT_TRUE(rect.top() >= -172.8 && rect.top() < 1080) << time;
        EXPECT_NEAR(rect.top(), rollingRect(1080, snapshot, time + 3 * period).top(), 1e-4) << time;
        for (const QRectF& band : driftRects(1080, snapshot, time))
            EXPECT_TRUE(band.top() >= -37.8 && band.top() < 1080) << time;
    }
}

TEST(MovingBands, ASpeedOfZeroStillMoves) {
    const OverlayRenderConfiguration slow = bands(0);
    // The rolling band creeps down at 76 × 0.15 points a second.
    const double step = rollingRect(1080, slow, 10001).top() - rollingRect(1080, slow, 10000).top();
    EXPECT_NEAR(step < 0 ? step + 1080 + 172.8 : step, 11.4, 1e-6);
    // The drift at speed 0 is the drift at speed 1 with time scaled by 0.15 / 2.
    const std::vector<QRectF> atZero = driftRects(1080, slow, 800);
    const std::vector<QRectF> atOne = driftRects(1080, bands(1), 800 * 0.15 / 2);
    ASSERT_EQ(atZero.size(), 5u);
    for (std::size_t i = 0; i < atZero.size(); ++i)
        EXPECT_LT((atZero[i].topLeft() - atOne[i].topLeft()).manhattanLength(), 1e-6) << i;
    EXPECT_NE(driftRects(1080, slow, 800), driftRects(1080, slow, 801));
}

TEST(MovingBands, DriftSwaysAtMost22PointsWithFaintFillAndOutline) {
    double widest = 0;
    for (double time = 0; time < 60; time += 0.013)
        for (const QRectF& rect : driftRects(1080, bands(), time))
            widest = std::max(widest, std::fabs(rect.left()));
    EXPECT_LE(widest, 22);
    EXPECT_GT(widest, 21.9);

    RecordingDrawingContext context;
    drawHorizontalDrift(context, 1920, 1080, bands(), 3);
    const auto& ops = context.operations();
    ASSERT_EQ(ops.size(), 10u);
    for (std::size_t band = 0; band < 5; ++band) {
        const double fill = band % 2 ? 0.028 : 0.018;
        EXPECT_EQ(ops[2 * band].path, ops[2 * band + 1].path);
        EXPECT_NEAR(ops[2 * band].shading.solidColor().opacity, fill, 1e-15);
        EXPECT_NEAR(ops[2 * band + 1].shading.solidColor().opacity, fill * 1.4, 1e-15);
    }
}
} // namespace
