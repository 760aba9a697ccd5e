#pragma once

#include "settings/PreferenceStore.h"
#include "settings/SettingValues.h"

#include <QObject>
#include <functional>
#include <memory>

// The one live object holding every overlay setting. Loads the effect settings
// once at construction, writes every assignment straight through to the store
// and notifies, only when the value changed. Assignment does not clamp: the
// render snapshot does. Belongs to the main thread.
class OverlaySettings : public QObject {
    Q_OBJECT

public:
    // Called after every assignment to isEnabled, once persisted, with the value held.
    using VisibilityRequest = std::function<void(bool)>;

    explicit OverlaySettings(std::unique_ptr<PreferenceStore> store, QObject* parent = nullptr);
    ~OverlaySettings() override;

    // The process-wide instance over the user's store, created on first use.
    static OverlaySettings& shared();

    void setVisibilityRequestHandler(VisibilityRequest handler);
    PreferenceStore& store() { return *m_store; }

    bool isEnabled() const { return m_isEnabled; }
    const SettingValues& values() const { return m_values; }
    double value(Setting setting) const { return m_values[setting]; }
    FlickerMode flickerMode() const { return m_values.flickerMode; }

    void setIsEnabled(bool value);
    void setValue(Setting setting, double value);
    void setFlickerMode(FlickerMode mode);

    // Switches the overlay off and puts every effect setting back to its default,
    // one at a time in table order, then the flicker mode.
    void resetToDefaults();

signals:
    void isEnabledChanged();
    void valueChanged(Setting setting);
    void flickerModeChanged();
    // Any of the thirteen effect settings changed (not isEnabled).
    void effectSettingsChanged();

private:
    std::unique_ptr<PreferenceStore> m_store;
    VisibilityRequest m_visibilityRequest;
    bool m_isEnabled = false;
    SettingValues m_values;
};
