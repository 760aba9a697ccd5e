#pragma once

#include "settings/SettingValues.h"

#include <QString>
#include <array>
#include <string_view>

enum class SettingUnit { pixels, percent, degrees };

// Everything known about one numeric setting, written once.
struct SettingDefinition {
    Setting setting;
    // The name on the command line and, after the key prefix, in the store.
    const char* name;
    double defaultValue;
    double lower;
    double upper;
    double step;
    SettingUnit unit;
    // Untranslated; the list translates it in its own context.
    const char* label;
    const char* symbol;
    double SettingValues::*field;

    QString key() const;
    // At or below the lower bound gives the lower bound, above the upper bound
    // the upper bound. A NaN would slip through both comparisons and poison
    // every frame, so it takes the default instead.
    double clamped(double value) const;
};

class SettingsTable {
public:
    // In the order listed, stored and reset.
    static const std::array<SettingDefinition, settingCount>& all();
    static const SettingDefinition& of(Setting setting);
    // The numeric setting with this name, if there is one.
    static const SettingDefinition* find(std::string_view name);
    // The stored key of a setting name.
    static QString key(const char* name);

    static constexpr const char* keyPrefix = "overlay.";
    static constexpr const char* isEnabledName = "isEnabled";
    static constexpr const char* flickerModeName = "flickerMode";
};
