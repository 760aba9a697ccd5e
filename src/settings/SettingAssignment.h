#pragma once

#include "settings/FlickerMode.h"
#include "settings/OverlaySettings.h"
#include "settings/SettingsTable.h"

#include <QStringList>
#include <optional>
#include <string>
#include <string_view>

// One NAME=VALUE for an overlay setting, as the command lines give it: NAME is
// the setting's property name, VALUE a finite number or, for flickerMode, one
// of the modes' raw values.
struct SettingAssignment {
    // None: the flicker mode.
    const SettingDefinition* definition = nullptr;
    double value = 0;
    FlickerMode mode = FlickerMode::soft;

    // On failure gives no value and a one-line message naming the offending
    // name or value.
    static std::optional<SettingAssignment> parse(std::string_view text, std::string& error);

    // A whole finite number in C locale text, nothing before or after it.
    static std::optional<double> parseFinite(std::string_view text);

    // Within the range the controls offer; empty, or a message naming the value.
    std::string rangeError() const;
    void applyTo(OverlaySettings& settings) const;
    void applyTo(SettingValues& values) const;

    // The names describe knows: isEnabled and every setting --set takes.
    static QStringList names();
    // NAME=VALUE of every setting, or of the one named (none for an unknown name).
    static QStringList describe(const OverlaySettings& settings, const QString& name = QString());
};
