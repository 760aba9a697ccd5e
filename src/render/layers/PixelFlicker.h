#pragma once

#include "render/OverlayRenderConfiguration.h"
#include "render/drawing/DrawingContext.h"
#include "render/layers/OverlayRandomGenerator.h"

#include <QRectF>
#include <cstdint>
#include <optional>

// Layer 4: a scattering of grid cells flashed lighter or darker, a new pattern at
// every tick of the flicker mode's rate, the same on every canvas of one size.
struct PixelFlickerMode {
    double ticksPerSecond;
    double shareOfCells;
    double opacityScale;

    static PixelFlickerMode of(FlickerMode mode);
};

struct PixelFlickerPattern {
    std::uint64_t columns = 1;
    std::uint64_t rows = 1;
    std::uint64_t tick = 0;
    std::uint64_t count = 1;
    std::uint64_t seed = 0;
    double cellSize = 2;
    double strength = 0;

    bool operator==(const PixelFlickerPattern&) const = default;

    // Calls visit(cell, isWhite, opacity) for every flash, in drawing order.
    template <class Visit> void forEachFlash(Visit&& visit) const {
        OverlayRandomGenerator generator(seed);
        const std::uint64_t phase = tick % 3;
        for (std::uint64_t k = 0; k < count; ++k) {
            const bool white = (k + phase) % 3 == 0;
            const std::uint64_t column = generator.next() % columns;
            const std::uint64_t row = generator.next() % rows;
            const std::uint64_t u = generator.next();
            const double opacity = strength * (static_cast<double>(u % 1000) / 1000 * 0.75 + 0.25);
            visit(QRectF(static_cast<double>(column) * cellSize,
                         static_cast<double>(row) * cellSize, cellSize, cellSize),
                  white, opacity);
        }
    }
};

inline constexpr std::uint64_t maximumFlickerFlashes = 1400;

// The flicker of one frame, or no value when the inputs have no integer form
// (non-finite time or size, a cell count beyond 64 bits).
std::optional<PixelFlickerPattern> pixelFlickerPattern(double width, double height, double cellSize,
                                                       const OverlayRenderConfiguration& snapshot,
                                                       double time);

void drawPixelFlicker(DrawingContext& context, double width, double height, double cellSize,
                      const OverlayRenderConfiguration& snapshot, double time);
