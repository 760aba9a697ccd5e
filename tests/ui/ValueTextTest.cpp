#include "ValueText.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>
#include <limits>

TEST(ValueText, DefaultsShowTruncatedValues) {
    EXPECT_EQ(ValueText::pixels(4.0), "4 px");
    EXPECT_EQ(ValueText::percent(0.3), "30 %");
    // 0.33 x 360 = 118.8: truncation, not rounding.
    EXPECT_EQ(ValueText::degrees(0.33), "118°");
}

TEST(ValueText, ProductsJustBelowAWholeNumberShowTheNumberBelow) {
    EXPECT_EQ(ValueText::percent(0.29), "28 %");
    EXPECT_EQ(ValueText::percent(0.57), "56 %");
    EXPECT_EQ(ValueText::percent(0.58), "57 %");
    EXPECT_EQ(ValueText::pixels(4.7), "4 px");
    EXPECT_EQ(ValueText::pixels(47.999), "47 px");
}

TEST(ValueText, RangeEnds) {
    EXPECT_EQ(ValueText::percent(0.0), "0 %");
    EXPECT_EQ(ValueText::percent(1.0), "100 %");
    EXPECT_EQ(ValueText::degrees(0.0), "0°");
    EXPECT_EQ(ValueText::degrees(1.0), "360°");
    EXPECT_EQ(ValueText::pixels(2.0), "2 px");
    EXPECT_EQ(ValueText::pixels(48.0), "48 px");
}

TEST(ValueText, TruncatesTowardZeroForNegatives) {
    EXPECT_EQ(ValueText::pixels(-2.7), "-2 px");
    EXPECT_EQ(ValueText::percent(-0.005), "0 %");
    EXPECT_EQ(ValueText::percent(-0.0), "0 %");
}

TEST(ValueText, ValuesOutsideTheIntegerRangeSaturateAndNaNShowsADash) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ValueText::pixels(inf), "9223372036854775807 px");
    EXPECT_EQ(ValueText::pixels(1e300), "9223372036854775807 px");
    EXPECT_EQ(ValueText::percent(-inf), "-9223372036854775808 %");
    // -2^63 itself is representable and must not be mistaken for an overflow.
    EXPECT_EQ(ValueText::pixels(-9223372036854775808.0), "-9223372036854775808 px");
    EXPECT_EQ(ValueText::degrees(std::numeric_limits<double>::quiet_NaN()), "–°");
}
