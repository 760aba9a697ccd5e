#include "render/OverlayRenderConfiguration.h"

#include "settings/SettingsTable.h"

OverlayRenderConfiguration OverlayRenderConfiguration::from(const SettingValues& values) {
    OverlayRenderConfiguration snapshot;
    static_cast<SettingValues&>(snapshot) = values;
    for (const SettingDefinition& definition : SettingsTable::all())
        snapshot.*definition.field = definition.clamped(values.*definition.field);
    snapshot.cellSize = snapshot.gridSize;
    return snapshot;
}
