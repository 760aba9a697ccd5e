#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

// The time tick that seeds a random-looking layer: t × rate, 0 for any time at or
// before the reference date, truncated. No value when t is not finite or the
// tick has no 64-bit form; the layer is then skipped.
inline std::optional<std::uint64_t> noiseTick(double time, double ticksPerSecond) {
    if (!std::isfinite(time))
        return std::nullopt;
    double tick = time * ticksPerSecond;
    if (!(tick > 0))
        tick = 0;
    if (!(tick < 18446744073709551616.0))
        return std::nullopt;
    return static_cast<std::uint64_t>(tick);
}
