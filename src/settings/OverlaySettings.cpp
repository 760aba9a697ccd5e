#include "settings/OverlaySettings.h"

#include "settings/QSettingsPreferenceStore.h"
#include "settings/SettingsTable.h"

namespace {
QString fromView(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

const QString& isEnabledKey() {
    static const QString key = SettingsTable::key(SettingsTable::isEnabledName);
    return key;
}

const QString& flickerModeKey() {
    static const QString key = SettingsTable::key(SettingsTable::flickerModeName);
    return key;
}
} // namespace

OverlaySettings::OverlaySettings(std::unique_ptr<PreferenceStore> store, QObject* parent)
    : QObject(parent)
    , m_store(std::move(store)) {
    QVariantMap defaults;
    defaults.insert(isEnabledKey(), false);
    for (const SettingDefinition& definition : SettingsTable::all())
        defaults.insert(definition.key(), definition.defaultValue);
    defaults.insert(flickerModeKey(), fromView(FlickerMode::soft.rawValue()));
    m_store->registerDefaults(defaults);

    // The overlay starts switched off at every launch, whatever was stored.
    m_store->setBool(isEnabledKey(), false);
    for (const SettingDefinition& definition : SettingsTable::all())
        m_values.*definition.field = definition.clamped(m_store->doubleForKey(definition.key()));
    const QString raw = m_store->stringForKey(flickerModeKey()).value_or(QString());
    m_values.flickerMode = FlickerMode::fromRawValue(raw.toStdString()).value_or(FlickerMode::soft);
}

OverlaySettings::~OverlaySettings() {
    m_store->sync();
}

OverlaySettings& OverlaySettings::shared() {
    // Thread-safe once-only initialisation; destroyed at exit so the store gets synced.
    static OverlaySettings instance(std::make_unique<QSettingsPreferenceStore>());
    return instance;
}

void OverlaySettings::setVisibilityRequestHandler(VisibilityRequest handler) {
    m_visibilityRequest = std::move(handler);
}

void OverlaySettings::setIsEnabled(bool value) {
    const bool changed = value != m_isEnabled;
    m_isEnabled = value;
    m_store->setBool(isEnabledKey(), value);
    if (changed)
        emit isEnabledChanged();
    if (m_visibilityRequest)
        m_visibilityRequest(m_isEnabled);
}

void OverlaySettings::setValue(Setting setting, double value) {
    double& held = m_values[setting];
    const bool changed = !(value == held);
    held = value;
    m_store->setDouble(SettingsTable::of(setting).key(), value);
    if (changed) {
        emit valueChanged(setting);
        emit effectSettingsChanged();
    }
}

void OverlaySettings::setFlickerMode(FlickerMode mode) {
    const bool changed = !(mode == m_values.flickerMode);
    m_values.flickerMode = mode;
    m_store->setString(flickerModeKey(), fromView(mode.rawValue()));
    if (changed) {
        emit flickerModeChanged();
        emit effectSettingsChanged();
    }
}

void OverlaySettings::resetToDefaults() {
    setIsEnabled(false);
    for (const SettingDefinition& definition : SettingsTable::all())
        setValue(definition.setting, definition.defaultValue);
    setFlickerMode(FlickerMode::soft);
}
