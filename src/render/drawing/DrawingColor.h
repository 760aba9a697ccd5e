#pragma once

// An sRGB colour with an opacity, components in 0 to 1 (non-linear, as stored).
struct DrawingColor {
    double red = 0;
    double green = 0;
    double blue = 0;
    double opacity = 0;

    static DrawingColor black() { return {0, 0, 0, 1}; }
    static DrawingColor white() { return {1, 1, 1, 1}; }
    static DrawingColor clear() { return {0, 0, 0, 0}; }

    // Standard HSB (HSV). Hue is a fraction of the colour circle: 0 and 1 are
    // both red, and any other value wraps the same way.
    static DrawingColor fromHsb(double hue, double saturation, double brightness,
                                double opacity = 1);

    // The same colour with its opacity multiplied by factor.
    DrawingColor withOpacity(double factor) const { return {red, green, blue, opacity * factor}; }

    bool operator==(const DrawingColor&) const = default;
};
