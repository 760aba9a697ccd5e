#include "render/drawing/DrawingColor.h"

#include <cmath>

DrawingColor DrawingColor::fromHsb(double hue, double saturation, double brightness,
                                   double opacity) {
    double h = hue - std::floor(hue);
    if (!std::isfinite(h))
        h = 0;
    const double sector = h * 6;
    const int index = static_cast<int>(sector) % 6;
    const double f = sector - std::floor(sector);
    const double v = brightness;
    const double p = v * (1 - saturation);
    const double q = v * (1 - saturation * f);
    const double u = v * (1 - saturation * (1 - f));
    switch (index) {
    case 0:
        return {v, u, p, opacity};
    case 1:
        return {q, v, p, opacity};
    case 2:
        return {p, v, u, opacity};
    case 3:
        return {p, q, v, opacity};
    case 4:
        return {u, p, v, opacity};
    default:
        return {v, p, q, opacity};
    }
}
