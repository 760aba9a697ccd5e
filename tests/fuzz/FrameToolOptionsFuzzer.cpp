#include "tools/FrameToolOptions.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

// Any command line (arguments split at NUL bytes): the parser never crashes,
// fails with a message, or gives a size inside its limits and finite numbers.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            arguments.emplace_back();
        else
            arguments.back() += char(data[i]);
    }
    std::string error;
    const std::optional<FrameToolOptions> options = FrameToolOptions::parse(arguments, error);
    if (!options) {
        if (error.empty())
            std::abort();
        return 0;
    }
    if (options->helpRequested)
        return 0;
    const OverlayRenderConfiguration& s = options->snapshot;
    const bool sizeValid = options->size.width() >= 1 && options->size.height() >= 1 &&
                           options->size.width() <= FrameToolOptions::maximumSide &&
                           options->size.height() <= FrameToolOptions::maximumSide;
    for (double value : {options->time, s.gridSize, s.gridOpacity, s.scanlineOpacity, s.tintHue,
                         s.tintOpacity, s.flickerIntensity, s.phosphorGlow, s.horizontalDrift,
                         s.horizontalDriftSpeed, s.rollingBand, s.rollingBandSpeed, s.dustNoise})
        if (!std::isfinite(value))
            std::abort();
    if (!sizeValid || options->output.empty())
        std::abort();
    return 0;
}
