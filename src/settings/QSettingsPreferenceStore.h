#pragma once

#include "PreferenceStore.h"

#include <QSettings>
#include <memory>

// The per-user store: the native defaults database on macOS, an INI file under
// the XDG config directory elsewhere.
class QSettingsPreferenceStore : public PreferenceStore {
public:
    // The user's own store for this program.
    QSettingsPreferenceStore();
    // A store in the given file (tests, tools).
    explicit QSettingsPreferenceStore(const QString& iniFile);

    QString fileName() const { return m_settings->fileName(); }
    void sync() override { m_settings->sync(); }

protected:
    std::optional<QVariant> readValue(const QString& key) const override;
    void writeValue(const QString& key, const QVariant& value) override;

private:
    std::unique_ptr<QSettings> m_settings;
};
