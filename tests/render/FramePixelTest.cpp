// The reference renderer on the QPainter backend, checked on its pixels.

#include "support/RenderTestSupport.h"

#include <gtest/gtest.h>

namespace {
using namespace RenderTestSupport;

TEST(FramePixels, VignetteDarkensCornersTowardsButNeverTo8PercentBlack) {
    const QImage frame = renderReference({400, 300}, allZero(), 0);
    EXPECT_EQ(frame.pixel(200, 150), 0u) << "transparent middle";
    int previous = 0;
    // From the middle to the top-left corner.
    for (int step = 0; step <= 20; ++step) {
        const QRgb pixel = frame.pixel(200 - step * 10, 150 - step * 15 / 2);
        EXPECT_EQ(qRed(pixel) + qGreen(pixel) + qBlue(pixel), 0) << "black only";
        EXPECT_GE(qAlpha(pixel), previous) << step;
        previous = qAlpha(pixel);
    }
    EXPECT_GT(previous, 10);
    EXPECT_LT(previous, 0.08 * 255);
    EXPECT_EQ(previous, qAlpha(frame.pixel(399, 299)));
}

TEST(FramePixels, DefaultGridCoversOnePointPerLineAtEveryPixelRatio) {
    const auto snapshot = allZeroBut({{Setting::gridOpacity, 1}, {Setting::gridSize, 5}});
    for (const double ratio : {1.0, 2.0}) {
        const QImage frame = renderReference({60, 40}, snapshot, 0, ratio);
        const auto at = [&](double x, double y) {
            return qAlpha(frame.pixel(x * ratio, y * ratio));
        };
        EXPECT_EQ(at(20.5, 22.5), 255) << "on a vertical line";
        EXPECT_EQ(at(22.5, 20.5), 255) << "on a horizontal line";
        EXPECT_EQ(at(20.5, 20.5), 255) << "at a crossing";
        EXPECT_LT(at(21.5, 22.5), 40) << "inside a cell, vignette only";
    }
}
} // namespace
