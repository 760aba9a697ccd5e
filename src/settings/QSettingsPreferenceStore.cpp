#include "QSettingsPreferenceStore.h"

QSettingsPreferenceStore::QSettingsPreferenceStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("retroglimmer"),
                                             QStringLiteral("retroglimmer"))) {}

QSettingsPreferenceStore::QSettingsPreferenceStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

std::optional<QVariant> QSettingsPreferenceStore::readValue(const QString& key) const {
    QVariant value = m_settings->value(key);
    if (!value.isValid())
        return std::nullopt;
    return value;
}

void QSettingsPreferenceStore::writeValue(const QString& key, const QVariant& value) {
    m_settings->setValue(key, value);
}
