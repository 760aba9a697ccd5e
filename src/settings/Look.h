#pragma once

#include "settings/SettingValues.h"

#include <QString>

class OverlaySettings;

// A named row of the settings table's thirteen effect values. A new look
// holds every default.
struct Look {
    QString name;
    SettingValues values;

    // Assigns every value through its own setter, as the controls do, so each
    // is stored and observed; the switch is left alone.
    void applyTo(OverlaySettings& settings) const;
    // Every one of the thirteen values equal to what the settings hold.
    bool matches(const OverlaySettings& settings) const;
};
