#include "tools/FrameToolOptions.h"

#include <algorithm>
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
    const QSize side = options->size;
    bool valid = side.width() >= 1 && side.height() >= 1 && !options->output.empty() &&
                 std::max(side.width(), side.height()) <= FrameToolOptions::maximumSide &&
                 std::isfinite(options->time);
    for (int i = 0; i < settingCount; ++i)
        valid = valid && std::isfinite(options->snapshot[static_cast<Setting>(i)]);
    if (!valid)
        std::abort();
    return 0;
}
