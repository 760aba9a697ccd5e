#include "ValueText.h"
#include "PanelFonts.h"
#include "UiTestSupport.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>
#include <limits>

TEST(ValueText, TruncatesTowardZeroSaturatesAndShowsNaNAsADash) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<QString, const char*> cases[] = {
        // 0.33 x 360 = 118.8; the doubles nearest 0.29, 0.57, 0.58 give products
        // just below the whole number.
        {ValueText::degrees(0.33), "118°"},
        {ValueText::percent(0.29), "28 %"},
        {ValueText::percent(0.57), "56 %"},
        {ValueText::percent(0.58), "57 %"},
        {ValueText::pixels(4.7), "4 px"},
        {ValueText::pixels(47.999), "47 px"},
        {ValueText::percent(1.0), "100 %"},
        {ValueText::degrees(1.0), "360°"},
        {ValueText::pixels(-2.7), "-2 px"},
        {ValueText::percent(-0.005), "0 %"},
        {ValueText::pixels(inf), "9223372036854775807 px"},
        {ValueText::percent(-inf), "-9223372036854775808 %"},
        // -2^63 itself is representable and must not be mistaken for an overflow.
        {ValueText::pixels(-9223372036854775808.0), "-9223372036854775808 px"},
        {ValueText::degrees(std::numeric_limits<double>::quiet_NaN()), "–°"},
    };
    for (const auto& [shown, expected] : cases)
        EXPECT_EQ(shown, QString(expected));
}

// Value texts are set in the caption font; its digits must not make them jitter.
TEST(ValueText, CaptionFontHasTabularDigitsAndPixelSizedFontsScale) {
    const QFontMetricsF metrics(PanelFonts::caption(QFont()));
    for (QChar digit : QStringLiteral("123456789"))
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(digit), metrics.horizontalAdvance('0'));
    QFont pixels;
    pixels.setPixelSize(20);
    EXPECT_EQ(PanelFonts::title(pixels).pixelSize(), 28);
}
