#pragma once

#include "render/OverlayRenderConfiguration.h"
#include "render/drawing/DrawingContext.h"
#include "render/layers/OverlayRandomGenerator.h"

#include <QRectF>
#include <cstdint>
#include <optional>

// Layer 5: tiny light and dark dots, a new sprinkle 18 times a second, the same on
// every canvas of one size.
struct DustNoisePattern {
    std::uint64_t tick = 0;
    std::uint64_t count = 1;
    std::uint64_t seed = 0;
    std::uint64_t widthModulus = 1;
    std::uint64_t heightModulus = 1;
    double strength = 0;

    bool operator==(const DustNoisePattern&) const = default;

    // Calls visit(bounds, isWhite, opacity) for every dot, in drawing order; the
    // dot is the circle inscribed in bounds.
    template <class Visit> void forEachDot(Visit&& visit) const {
        OverlayRandomGenerator generator(seed);
        for (std::uint64_t k = 0; k < count; ++k) {
            const bool white = k % 4 == 0;
            const std::uint64_t x = generator.next() % widthModulus;
            const std::uint64_t y = generator.next() % heightModulus;
            const std::uint64_t u = generator.next();
            const double size = static_cast<double>(u % 3 + 1);
            const double opacity = strength * (static_cast<double>(u % 100) / 250 + 0.18);
            visit(QRectF(static_cast<double>(x), static_cast<double>(y), size, size), white,
                  opacity);
        }
    }
};

inline constexpr double dustTicksPerSecond = 18;
inline constexpr std::uint64_t maximumDustDots = 160;

// The dust of one frame, or no value for non-finite time or size.
std::optional<DustNoisePattern> dustNoisePattern(double width, double height,
                                                 const OverlayRenderConfiguration& snapshot,
                                                 double time);

void drawDustNoise(DrawingContext& context, double width, double height,
                   const OverlayRenderConfiguration& snapshot, double time);
