#include "settings/SettingsTable.h"

#include <QtGlobal>
#include <cmath>

namespace {
using S = SettingValues;
using enum SettingUnit;

// The labels are translated in the list's context. Each marker is written out:
// the catalogue tool does not expand macros.
constexpr std::array<SettingDefinition, settingCount> kTable{{
    {Setting::gridSize, "gridSize", 4.0, 2.0, 48.0, 1.0, pixels,
     QT_TRANSLATE_NOOP("SettingsList", "Pixel size"), "square.grid.3x3", &S::gridSize},
    {Setting::gridOpacity, "gridOpacity", 0.3, 0, 1, 0.01, percent,
     QT_TRANSLATE_NOOP("SettingsList", "Grid"), "grid", &S::gridOpacity},
    {Setting::scanlineOpacity, "scanlineOpacity", 0, 0, 1, 0.01, percent,
     QT_TRANSLATE_NOOP("SettingsList", "Scanlines"), "line.3.horizontal", &S::scanlineOpacity},
    {Setting::tintHue, "tintHue", 0.33, 0, 1, 0.01, degrees,
     QT_TRANSLATE_NOOP("SettingsList", "Tint color"), "paintpalette", &S::tintHue},
    {Setting::tintOpacity, "tintOpacity", 0, 0, 1, 0.01, percent,
     QT_TRANSLATE_NOOP("SettingsList", "Tint strength"), "circle.lefthalf.filled", &S::tintOpacity},
    {Setting::flickerIntensity, "flickerIntensity", 0, 0, 1, 0.01, percent,
     QT_TRANSLATE_NOOP("SettingsList", "Pixel flicker"), "sparkles.tv", &S::flickerIntensity},
    {Setting::phosphorGlow, "phosphorGlow", 0, 0, 1, 0.01, percent,
     QT_TRANSLATE_NOOP("SettingsList", "Phosphor glow"), "light.max", &S::phosphorGlow},
    {Setting::horizontalDrift, "horizontalDrift", 0, 0, 1, 0.01, percent,
     QT_TRANSLATE_NOOP("SettingsList", "Horizontal drift"), "arrow.left.and.right",
     &S::horizontalDrift},
    {Setting::horizontalDriftSpeed, "horizontalDriftSpeed", 0.5, 0, 1, 0.01, percent,
     QT_TRANSLATE_NOOP("SettingsList", "Drift speed"), "speedometer", &S::horizontalDriftSpeed},
    {Setting::rollingBand, "rollingBand", 0, 0, 1, 0.01, percent,
     QT_TRANSLATE_NOOP("SettingsList", "Rolling band"), "rectangle.compress.vertical",
     &S::rollingBand},
    {Setting::rollingBandSpeed, "rollingBandSpeed", 0.5, 0, 1, 0.01, percent,
     QT_TRANSLATE_NOOP("SettingsList", "Band speed"), "speedometer", &S::rollingBandSpeed},
    {Setting::dustNoise, "dustNoise", 0, 0, 1, 0.01, percent,
     QT_TRANSLATE_NOOP("SettingsList", "Signal dust"), "circle.grid.cross", &S::dustNoise},
}};

constexpr bool listedInOrder() {
    for (int i = 0; i < settingCount; ++i)
        if (kTable[std::size_t(i)].setting != Setting(i))
            return false;
    return true;
}
static_assert(listedInOrder(), "the table is indexed by Setting");
} // namespace

QString SettingDefinition::key() const {
    return SettingsTable::key(name);
}

double SettingDefinition::clamped(double value) const {
    if (std::isnan(value))
        return defaultValue;
    if (value <= lower)
        return lower;
    return value > upper ? upper : value;
}

const std::array<SettingDefinition, settingCount>& SettingsTable::all() {
    return kTable;
}

const SettingDefinition& SettingsTable::of(Setting setting) {
    return kTable[std::size_t(setting)];
}

const SettingDefinition* SettingsTable::find(std::string_view name) {
    for (const SettingDefinition& definition : kTable)
        if (name == definition.name)
            return &definition;
    return nullptr;
}

QString SettingsTable::key(const char* name) {
    return QLatin1String(keyPrefix) + QLatin1String(name);
}
