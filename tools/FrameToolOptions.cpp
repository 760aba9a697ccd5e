#include "tools/FrameToolOptions.h"

#include "settings/LookLibrary.h"
#include "settings/SettingAssignment.h"

#include <charconv>
#include <cmath>

namespace {
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

// Applies one NAME=VALUE; returns the error message, empty on success.
std::string applySetting(SettingValues& values, const std::string& text) {
    std::string error;
    if (const std::optional<SettingAssignment> assignment = SettingAssignment::parse(text, error))
        assignment->applyTo(values);
    return error;
}

// Takes every value of a built-in look; returns the error message, empty on success.
std::string applyLook(SettingValues& values, const std::string& name) {
    for (const Look& look : LookLibrary::builtIns()) {
        if (look.name != QString::fromStdString(name))
            continue;
        values = look.values;
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
    SettingValues values;
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
            error = option == "--set" ? applySetting(values, value) : applyLook(values, value);
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
            const std::optional<double> time = SettingAssignment::parseFinite(value);
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
    options.snapshot = OverlayRenderConfiguration::from(values);
    return options;
}
