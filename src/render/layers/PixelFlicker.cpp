#include "render/layers/PixelFlicker.h"

#include "render/layers/NoiseTick.h"

#include <algorithm>
#include <cmath>

namespace {
// width / cell, truncated, at least 1; no value beyond the signed 64-bit range.
std::optional<std::int64_t> wholeCells(double length, double cellSize) {
    const double cells = length / cellSize;
    if (!std::isfinite(cells) || !(std::fabs(cells) < 9223372036854775808.0))
        return std::nullopt;
    return std::max<std::int64_t>(static_cast<std::int64_t>(cells), 1);
}
} // namespace

PixelFlickerMode PixelFlickerMode::of(FlickerMode mode) {
    switch (mode.value()) {
    case FlickerMode::Case::soft:
        return {12, 0.01, 0.45};
    case FlickerMode::Case::pulse:
        return {8, 0.018, 0.65};
    case FlickerMode::Case::jitter:
        return {24, 0.028, 0.85};
    }
    return {12, 0.01, 0.45};
}

std::optional<PixelFlickerPattern> pixelFlickerPattern(double width, double height, double cellSize,
                                                       const OverlayRenderConfiguration& snapshot,
                                                       double time) {
    const PixelFlickerMode mode = PixelFlickerMode::of(snapshot.flickerMode);
    const std::optional<std::int64_t> columns = wholeCells(width, cellSize);
    const std::optional<std::int64_t> rows = wholeCells(height, cellSize);
    const std::optional<std::uint64_t> tick = noiseTick(time, mode.ticksPerSecond);
    std::int64_t cells = 0;
    if (!columns || !rows || !tick || __builtin_mul_overflow(*columns, *rows, &cells))
        return std::nullopt;

    const double intensity = snapshot.flickerIntensity;
    const double wanted = (intensity * static_cast<double>(cells)) * mode.shareOfCells;
    std::uint64_t count = maximumFlickerFlashes;
    if (wanted < static_cast<double>(maximumFlickerFlashes))
        count = std::max<std::uint64_t>(wanted > 0 ? static_cast<std::uint64_t>(wanted) : 0, 1);

    PixelFlickerPattern pattern;
    pattern.columns = static_cast<std::uint64_t>(*columns);
    pattern.rows = static_cast<std::uint64_t>(*rows);
    pattern.tick = *tick;
    pattern.count = count;
    pattern.seed = (pattern.rows * 19349663ULL) ^ (pattern.columns * 73856093ULL) ^
                   (pattern.tick * 1103515245ULL);
    pattern.cellSize = cellSize;
    pattern.strength = intensity * mode.opacityScale;
    return pattern;
}

void drawPixelFlicker(DrawingContext& context, double width, double height, double cellSize,
                      const OverlayRenderConfiguration& snapshot, double time) {
    const std::optional<PixelFlickerPattern> pattern =
        pixelFlickerPattern(width, height, cellSize, snapshot, time);
    if (!pattern)
        return;
    pattern->forEachFlash([&](const QRectF& cell, bool white, double opacity) {
        const DrawingColor color = white ? DrawingColor::white() : DrawingColor::black();
        context.fill(DrawingPath::rectangle(cell), Shading::color(color.withOpacity(opacity)));
    });
}
