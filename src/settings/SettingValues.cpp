#include "settings/SettingValues.h"

#include "settings/SettingsTable.h"

SettingValues::SettingValues() {
    for (const SettingDefinition& definition : SettingsTable::all())
        this->*definition.field = definition.defaultValue;
}

double& SettingValues::operator[](Setting setting) {
    return this->*SettingsTable::of(setting).field;
}

double SettingValues::operator[](Setting setting) const {
    return this->*SettingsTable::of(setting).field;
}
