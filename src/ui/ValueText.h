#pragma once

#include <QCoreApplication>
#include <QString>

// The value texts of the settings list. Each truncates toward zero, so a value
// between two steps shows the step below it (4.7 px shows "4 px"); a product
// that misses a whole number only by the rounding of binary fractions counts as
// that number, so every step shows its own (0.29 shows "29 %"). Digits follow
// the locale; the unit, and the space before it, each language's catalogue.
class ValueText {
    Q_DECLARE_TR_FUNCTIONS(ValueText)

public:
    // "4 px": the integer part of a cell size in points.
    static QString pixels(double value);
    // "30 %": a fraction of 1 as a whole percentage.
    static QString percent(double fraction);
    // "118°": a fraction of the colour circle in whole degrees.
    static QString degrees(double fraction);

    // The product as a whole number, saturated to the 64-bit range (a plain
    // conversion of a larger double is undefined). Not-a-number gives no value.
    static QString whole(double value);
};
