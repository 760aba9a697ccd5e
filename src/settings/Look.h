#pragma once

#include "settings/FlickerMode.h"
#include "settings/OverlaySettings.h"

#include <QString>
#include <array>

// A named set of the thirteen effect settings. A new look holds every default.
struct Look {
    QString name;
    std::array<double, OverlaySettings::numberCount> numbers = defaultNumbers();
    FlickerMode flickerMode = FlickerMode::soft;

    // The values the settings hold now, under a name.
    static Look current(const OverlaySettings& settings, const QString& name);

    // Assigns every value through its own setter, as the controls do, so each
    // is stored and observed; the switch is left alone.
    void applyTo(OverlaySettings& settings) const;
    // Every one of the thirteen values equal to what the settings hold.
    bool matches(const OverlaySettings& settings) const;

    double number(OverlaySettings::Number n) const { return numbers[static_cast<int>(n)]; }
    double& number(OverlaySettings::Number n) { return numbers[static_cast<int>(n)]; }

private:
    static std::array<double, OverlaySettings::numberCount> defaultNumbers();
};
