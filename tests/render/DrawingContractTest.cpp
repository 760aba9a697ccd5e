#include "render/drawing/DrawingColor.h"
#include "render/drawing/GaussianBlur.h"
#include "render/drawing/QPainterDrawingContext.h"
#include "support/RenderTestSupport.h"

#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

namespace {
using RenderTestSupport::transparentImage;

void expectColor(const DrawingColor& color, double r, double g, double b) {
    EXPECT_NEAR(color.red, r, 1e-12);
    EXPECT_NEAR(color.green, g, 1e-12);
    EXPECT_NEAR(color.blue, b, 1e-12);
}

TEST(DrawingColor, BuildsHsbColoursAroundTheCircle) {
    expectColor(DrawingColor::fromHsb(1.0 / 3, 1, 1), 0, 1, 0);
    expectColor(DrawingColor::fromHsb(0.5, 0.5, 0.8), 0.4, 0.8, 0.8);
    // The default tint: hue 0.33, saturation 0.65.
    expectColor(DrawingColor::fromHsb(0.33, 0.65, 1), 0.35 + 0.65 * 0.02, 1, 0.35);
    expectColor(DrawingColor::fromHsb(-0.25, 1, 1), 0.5, 0, 1);
    expectColor(DrawingColor::fromHsb(std::nan(""), 0, 1), 1, 1, 1);

    const DrawingColor faint = DrawingColor::fromHsb(0, 1, 1, 0.5).withOpacity(0.5);
    EXPECT_EQ(faint.opacity, 0.25);
}

TEST(QPainterDrawingContext, StrokesFlatEndedLinesCoveringEachPixelOnce) {
    QImage image = transparentImage({10, 10});
    {
        QPainter painter(&image);
        QPainterDrawingContext context(painter);
        DrawingPath cross;
        cross.addLine({4.5, 2}, {4.5, 8});
        cross.addLine({2, 5.5}, {8, 5.5});
        context.stroke(cross, Shading::color(DrawingColor::black().withOpacity(0.5)), 1);
    }
    const int line = qAlpha(image.pixel(4, 3));
    EXPECT_NEAR(line, 128, 1);
    // The crossing is not darker; the ends are flat at 2 and 8.
    for (const QPoint on : {QPoint(4, 5), QPoint(3, 5)})
        EXPECT_EQ(qAlpha(image.pixel(on)), line) << on.x() << "," << on.y();
    for (const QPoint off : {QPoint(4, 1), QPoint(4, 8), QPoint(1, 5), QPoint(5, 3)})
        EXPECT_EQ(qAlpha(image.pixel(off)), 0) << off.x() << "," << off.y();
}

TEST(QPainterDrawingContext, BlursOnlyWhatIsStrokedThroughTheCopy) {
    QImage image = transparentImage({40, 40});
    {
        QPainter painter(&image);
        QPainterDrawingContext context(painter);
        context.fill(DrawingPath::rectangle({0, 0, 10, 10}), Shading::color(DrawingColor::black()));
        DrawingPath line;
        line.addLine({0, 25}, {40, 25});
        context.strokeBlurred(line, Shading::color(DrawingColor::white()), 2, 3);
        context.fill(DrawingPath::rectangle({30, 0, 10, 10}),
                     Shading::color(DrawingColor::black()));
    }
    // Sharp edges on the plain fills, before and after the blurred stroke.
    EXPECT_EQ(std::tuple(qAlpha(image.pixel(9, 5)), qAlpha(image.pixel(10, 5)),
                         qAlpha(image.pixel(29, 5)), qAlpha(image.pixel(30, 5))),
              std::tuple(255, 0, 0, 255));
    // The line spreads both ways, evenly about y = 25, and is weaker at its
    // middle than a sharp line.
    const int middle = qAlpha(image.pixel(20, 24));
    EXPECT_TRUE(middle > 40 && middle < 255) << middle;
    EXPECT_GT(qAlpha(image.pixel(20, 20)), 0);
    EXPECT_EQ(qAlpha(image.pixel(20, 20)), qAlpha(image.pixel(20, 29)));
}

TEST(GaussianBlur, SpreadsAPointWithTheRequestedDeviation) {
    for (const double sigma : {2.0, 4.0, 9.5}) {
        // A small square rather than one pixel, so rounding does not swamp the tails.
        QImage bright = transparentImage({101, 101});
        for (int y = 45; y <= 55; ++y)
            for (int x = 45; x <= 55; ++x)
                bright.setPixel(x, y, qRgba(255, 255, 255, 255));
        const GaussianBlur blur(sigma);
        blur.blur(bright);
        double total = 0, moment = 0;
        for (int x = 0; x < 101; ++x) {
            const double weight = qAlpha(bright.pixel(x, 50));
            total += weight;
            moment += weight * (x - 50) * (x - 50);
        }
        // An 11-pixel box has variance 10; the blur adds sigma squared.
        EXPECT_NEAR(moment / total, 10 + sigma * sigma, 0.12 * (10 + sigma * sigma)) << sigma;
        EXPECT_NEAR(qAlpha(bright.pixel(50, 40)), qAlpha(bright.pixel(40, 50)), 1)
            << "same both directions, up to rounding";
        EXPECT_LE(blur.support(), static_cast<int>(std::ceil(3 * sigma)) + 2);
    }
}
} // namespace
