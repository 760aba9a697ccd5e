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
} // namespace
