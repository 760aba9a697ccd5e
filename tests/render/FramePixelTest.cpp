// The reference renderer on the QPainter backend, checked on its pixels.

#include "RenderTestSupport.h"
#include "render/drawing/QPainterDrawingContext.h"
#include "render/layers/Vignette.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {
using namespace RenderTestSupport;

TEST(FramePixels, SameInputsGiveIdenticalFramesAndSizesDiffer) {
    const OverlayRenderConfiguration snapshot = everyEffectAtOne();
    const QImage first = renderReference({320, 200}, snapshot, 1234.5);
    const QImage second = renderReference({320, 200}, snapshot, 1234.5);
    EXPECT_EQ(first, second);
    EXPECT_GT(maximumChannelDifference(first, renderReference({320, 200}, snapshot, 1300)), 0);

    // Another size seeds the random layers differently, even where the canvases overlap.
    OverlayRenderConfiguration noise = allZero();
    noise.flickerIntensity = 1;
    noise.dustNoise = 1;
    const QImage small = renderReference({320, 200}, noise, 1234.5);
    const QImage larger = renderReference({324, 200}, noise, 1234.5).copy(0, 0, 320, 200);
    EXPECT_GT(maximumChannelDifference(small, larger), 0);
}

TEST(FramePixels, RandomLayersHoldWithinATickAndChangeAtTheNext) {
    OverlayRenderConfiguration noise = allZero();
    noise.flickerIntensity = 1;
    noise.flickerMode = FlickerMode::pulse; // 8 ticks a second
    noise.dustNoise = 1;                    // 18 ticks a second
    // 500 s: flicker tick 4000 (to 500.125), dust tick 9000 (to 500.0555...).
    const QImage start = renderReference({256, 160}, noise, 500.0);
    EXPECT_EQ(start, renderReference({256, 160}, noise, 500.05));
    const QImage nextDust = renderReference({256, 160}, noise, 500.06);
    EXPECT_NE(start, nextDust);
    noise.dustNoise = 0;
    EXPECT_EQ(renderReference({256, 160}, noise, 500.0),
              renderReference({256, 160}, noise, 500.12));
    EXPECT_NE(renderReference({256, 160}, noise, 500.12),
              renderReference({256, 160}, noise, 500.13));
}

TEST(FramePixels, VignetteDarkensCornersTowardsButNeverTo8PercentBlack) {
    const QImage frame = renderReference({400, 300}, allZero(), 0);
    EXPECT_EQ(frame.pixel(200, 150), 0u) << "transparent middle";
    int previous = 0;
    for (int step = 0; step <= 20; ++step) {
        const QRgb pixel = frame.pixel(200 - step * 10, 150 - step * 15 / 2);
        EXPECT_EQ(qRed(pixel) + qGreen(pixel) + qBlue(pixel), 0) << "black only";
        EXPECT_GE(qAlpha(pixel), previous) << step;
        previous = qAlpha(pixel);
    }
    const int corner = qAlpha(frame.pixel(0, 0));
    EXPECT_GT(corner, 10);
    EXPECT_LT(corner, 0.08 * 255);
    EXPECT_EQ(corner, qAlpha(frame.pixel(399, 299)));
    EXPECT_EQ(qAlpha(frame.pixel(0, 150)), qAlpha(frame.pixel(399, 150)));
}

TEST(FramePixels, AllZeroDrawsNothingButTheVignette) {
    const QImage frame = renderReference({400, 300}, allZero(), 77);
    QImage vignette = transparentImage(frame.size(), 1);
    {
        QPainter painter(&vignette);
        QPainterDrawingContext context(painter);
        drawVignette(context, 400, 300);
    }
    EXPECT_EQ(frame, vignette);
}

TEST(FramePixels, DefaultGridCoversOnePointPerLineAtEveryPixelRatio) {
    OverlayRenderConfiguration snapshot = allZero();
    snapshot.gridOpacity = 1;
    snapshot.gridSize = 5;
    snapshot = OverlayRenderConfiguration::from(snapshot);
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
