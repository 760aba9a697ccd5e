#include "settings/FlickerMode.h"

#include <QtGlobal>

namespace {
struct Names {
    std::string_view raw;
    std::string_view title;
};

// The titles are translated in the list's context, beside the settings' labels.
constexpr std::array<Names, 3> kNames{{{"soft", QT_TRANSLATE_NOOP("SettingsList", "Soft")},
                                       {"pulse", QT_TRANSLATE_NOOP("SettingsList", "Pulse")},
                                       {"jitter", QT_TRANSLATE_NOOP("SettingsList", "Jitter")}}};
} // namespace

std::optional<FlickerMode> FlickerMode::fromRawValue(std::string_view raw) {
    for (FlickerMode mode : allCases()) {
        if (mode.rawValue() == raw)
            return mode;
    }
    return std::nullopt;
}

const std::array<FlickerMode, 3>& FlickerMode::allCases() {
    static constexpr std::array<FlickerMode, 3> cases{soft, pulse, jitter};
    return cases;
}

std::string_view FlickerMode::rawValue() const {
    return kNames[ordinal()].raw;
}

std::string_view FlickerMode::title() const {
    return kNames[ordinal()].title;
}
