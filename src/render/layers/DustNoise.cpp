#include "render/layers/DustNoise.h"

#include "render/layers/NoiseTick.h"

#include <algorithm>
#include <cmath>

namespace {
std::optional<std::int64_t> truncated(double value) {
    if (!std::isfinite(value) || !(std::fabs(value) < 9223372036854775808.0))
        return std::nullopt;
    return static_cast<std::int64_t>(value);
}
} // namespace

std::optional<DustNoisePattern> dustNoisePattern(double width, double height,
                                                 const OverlayRenderConfiguration& snapshot,
                                                 double time) {
    const std::optional<std::uint64_t> tick = noiseTick(time, dustTicksPerSecond);
    const std::optional<std::int64_t> wholeWidth = truncated(width);
    const std::optional<std::int64_t> wholeHeight = truncated(height);
    if (!tick || !wholeWidth || !wholeHeight)
        return std::nullopt;

    const double strength = snapshot.dustNoise;
    const double wanted = strength * 260;
    std::uint64_t count = maximumDustDots;
    if (wanted < static_cast<double>(maximumDustDots))
        count = std::max<std::uint64_t>(wanted > 0 ? static_cast<std::uint64_t>(wanted) : 0, 1);

    DustNoisePattern pattern;
    pattern.tick = *tick;
    pattern.count = count;
    pattern.seed = (*tick * 2654435761ULL) ^ (static_cast<std::uint64_t>(*wholeHeight) << 16) ^
                   static_cast<std::uint64_t>(*wholeWidth);
    pattern.widthModulus = static_cast<std::uint64_t>(std::max<std::int64_t>(*wholeWidth, 1));
    pattern.heightModulus = static_cast<std::uint64_t>(std::max<std::int64_t>(*wholeHeight, 1));
    pattern.strength = strength;
    return pattern;
}

void drawDustNoise(DrawingContext& context, double width, double height,
                   const OverlayRenderConfiguration& snapshot, double time) {
    const std::optional<DustNoisePattern> pattern = dustNoisePattern(width, height, snapshot, time);
    if (!pattern)
        return;
    pattern->forEachDot([&](const QRectF& bounds, bool white, double opacity) {
        const DrawingColor color = white ? DrawingColor::white() : DrawingColor::black();
        context.fill(DrawingPath::ellipse(bounds), Shading::color(color.withOpacity(opacity)));
    });
}
