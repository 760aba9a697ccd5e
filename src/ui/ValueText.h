#pragma once

#include <QString>

// The value texts of the settings list. Each truncates toward zero, so a product
// a hair below a whole number shows the number below it (0.29 shows "28 %").
class ValueText {
public:
    // "4 px": the integer part of a cell size in points.
    static QString pixels(double value);
    // "30 %": a fraction of 1 as a whole percentage.
    static QString percent(double fraction);
    // "118°": a fraction of the colour circle in whole degrees.
    static QString degrees(double fraction);

    // The product truncated toward zero, saturated to the 64-bit range (a plain
    // conversion of a larger double is undefined). Not-a-number gives no value.
    static QString truncated(double value);
};
