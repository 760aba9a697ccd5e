#include "settings/Look.h"

#include "settings/OverlaySettings.h"
#include "settings/SettingsTable.h"

void Look::applyTo(OverlaySettings& settings) const {
    // In the order the reset goes.
    for (const SettingDefinition& definition : SettingsTable::all())
        settings.setValue(definition.setting, values[definition.setting]);
    settings.setFlickerMode(values.flickerMode);
}

bool Look::matches(const OverlaySettings& settings) const {
    return settings.values() == values;
}
