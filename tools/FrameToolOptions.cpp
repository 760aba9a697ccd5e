#include "tools/FrameToolOptions.h"

#include "settings/LookLibrary.h"

#include <charconv>
#include <cmath>

namespace {
using Number = OverlaySettings::Number;

std::optional<double> parseFinite(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || next != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> parseSide(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || next != end || value < 1 ||
        value > FrameToolOptions::maximumSide)
        return std::nullopt;
    return value;
}

std::optional<QSize> parseSize(const std::string& text) {
    const std::size_t cross = text.find('x');
    if (cross == std::string::npos)
        return std::nullopt;
    const std::optional<int> width = parseSide(std::string_view(text).substr(0, cross));
    const std::optional<int> height = parseSide(std::string_view(text).substr(cross + 1));
    if (!width || !height)
        return std::nullopt;
    return QSize(*width, *height);
}

double* numberField(OverlayRenderConfiguration& snapshot, Number number) {
    switch (number) {
    case Number::gridSize:
        return &snapshot.gridSize;
    case Number::gridOpacity:
        return &snapshot.gridOpacity;
    case Number::scanlineOpacity:
        return &snapshot.scanlineOpacity;
    case Number::tintHue:
        return &snapshot.tintHue;
    case Number::tintOpacity:
        return &snapshot.tintOpacity;
    case Number::flickerIntensity:
        return &snapshot.flickerIntensity;
    case Number::phosphorGlow:
        return &snapshot.phosphorGlow;
    case Number::horizontalDrift:
        return &snapshot.horizontalDrift;
    case Number::horizontalDriftSpeed:
        return &snapshot.horizontalDriftSpeed;
    case Number::rollingBand:
        return &snapshot.rollingBand;
    case Number::rollingBandSpeed:
        return &snapshot.rollingBandSpeed;
    case Number::dustNoise:
        return &snapshot.dustNoise;
    }
    return nullptr;
}

// Applies one NAME=VALUE; returns the error message, empty on success.
std::string applySetting(OverlayRenderConfiguration& snapshot, const std::string& assignment) {
    const std::size_t equals = assignment.find('=');
    if (equals == std::string::npos || equals == 0)
        return "invalid --set '" + assignment + "': expected NAME=VALUE";
    const std::string name = assignment.substr(0, equals);
    const std::string value = assignment.substr(equals + 1);
    if (name == "flickerMode") {
        const std::optional<FlickerMode> mode = FlickerMode::fromRawValue(value);
        if (!mode)
            return "invalid value '" + value + "' for flickerMode: expected soft, pulse or jitter";
        snapshot.flickerMode = *mode;
        return {};
    }
    for (int index = 0; index < OverlaySettings::numberCount; ++index) {
        const auto number = static_cast<Number>(index);
        if (name != OverlaySettings::definition(number).name)
            continue;
        const std::optional<double> parsed = parseFinite(value);
        if (!parsed)
            return "invalid value '" + value + "' for " + name + ": expected a finite number";
        *numberField(snapshot, number) = *parsed;
        return {};
    }
    return "unknown setting '" + name + "' in --set";
}

// Takes every value of a built-in look; returns the error message, empty on success.
std::string applyLook(OverlayRenderConfiguration& snapshot, const std::string& name) {
    for (const Look& look : LookLibrary::builtIns()) {
        if (look.name != QString::fromStdString(name))
            continue;
        for (int index = 0; index < OverlaySettings::numberCount; ++index)
            *numberField(snapshot, static_cast<Number>(index)) = look.numbers[index];
        snapshot.flickerMode = look.flickerMode;
        return {};
    }
    return "unknown look '" + name + "' in --look";
}
} // namespace

const char* FrameToolOptions::usage() {
    return "usage: retroglimmer-frame --size WxH --time SECONDS [--look NAME] "
           "[--set NAME=VALUE]... --output FILE.png";
}

std::optional<FrameToolOptions> FrameToolOptions::parse(const std::vector<std::string>& arguments,
                                                        std::string& error) {
    FrameToolOptions options;
    bool hasSize = false, hasTime = false, hasOutput = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--help" || option == "-h") {
            options.helpRequested = true;
            return options;
        }
        if (option != "--size" && option != "--time" && option != "--set" && option != "--look" &&
            option != "--output") {
            error = option.rfind("-", 0) == 0 ? "unknown option '" + option + "'"
                                              : "unexpected argument '" + option + "'";
            return std::nullopt;
        }
        if (i + 1 >= arguments.size()) {
            error = "option '" + option + "' needs a value";
            return std::nullopt;
        }
        const std::string& value = arguments[++i];
        if (option == "--set" || option == "--look") {
            error = option == "--set" ? applySetting(options.snapshot, value)
                                      : applyLook(options.snapshot, value);
            if (!error.empty())
                return std::nullopt;
            continue;
        }
        bool& seen = option == "--size" ? hasSize : option == "--time" ? hasTime : hasOutput;
        if (seen) {
            error = "option '" + option + "' given more than once";
            return std::nullopt;
        }
        seen = true;
        if (option == "--size") {
            const std::optional<QSize> size = parseSize(value);
            if (!size) {
                error = "invalid --size '" + value + "': expected WxH, whole numbers from 1 to " +
                        std::to_string(maximumSide);
                return std::nullopt;
            }
            options.size = *size;
        } else if (option == "--time") {
            const std::optional<double> time = parseFinite(value);
            if (!time) {
                error = "invalid --time '" + value + "': expected a finite number of seconds";
                return std::nullopt;
            }
            options.time = *time;
        } else {
            if (value.empty()) {
                error = "invalid --output '': expected a file name";
                return std::nullopt;
            }
            options.output = value;
        }
    }
    for (const auto& [present, name] : {std::pair{hasSize, "--size"}, std::pair{hasTime, "--time"},
                                        std::pair{hasOutput, "--output"}}) {
        if (!present) {
            error = std::string("missing option '") + name + "'";
            return std::nullopt;
        }
    }
    return options;
}
