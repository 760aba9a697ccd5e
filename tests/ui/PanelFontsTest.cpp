#include "PanelFonts.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

TEST(PanelFonts, ScaleFontsGivenInPointsOrInPixels) {
    QFont points;
    points.setPointSizeF(10);
    EXPECT_DOUBLE_EQ(PanelFonts::scaled(points, 1.4).pointSizeF(), 14.0);
    QFont pixels;
    pixels.setPixelSize(20);
    const QFont title = PanelFonts::title(pixels);
    EXPECT_EQ(title.pixelSize(), 28);
    EXPECT_EQ(title.weight(), QFont::DemiBold);
}

TEST(PanelFonts, CaptionDigitsHaveEqualWidths) {
    const QFontMetricsF metrics(PanelFonts::caption(QFont()));
    for (QChar digit : QStringLiteral("123456789"))
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(digit), metrics.horizontalAdvance('0'));
}
