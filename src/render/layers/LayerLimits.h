#pragma once

#include <cmath>

// Bounds that keep a layer from building an endless path or converting a value
// that has no integer form. A layer skips itself when they are not met.
namespace LayerLimits {

// Most lines one layer draws in one direction (a 200000-point-wide canvas at the
// smallest cell size).
inline constexpr double maximumLines = 100000;

inline bool isFinite(double a, double b) {
    return std::isfinite(a) && std::isfinite(b);
}

// True when a running sum from start, adding step while the value stays at or
// below limit, ends within maximumLines terms.
inline bool runningSumFits(double start, double step, double limit) {
    if (!std::isfinite(start) || !std::isfinite(limit) || !(step > 0))
        return false;
    return (limit - start) / step < maximumLines;
}

} // namespace LayerLimits
