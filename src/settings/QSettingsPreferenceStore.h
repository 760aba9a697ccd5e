#pragma once

#include "PreferenceStore.h"

#include <QSettings>
#include <QTimer>
#include <memory>

// The per-user store: the native defaults database on macOS, an INI file under
// the XDG config directory elsewhere. Every write reaches the disk within a
// tenth of a second, through QSettings' atomic replace. A damaged file is set
// aside (".damaged") after rescuing what could be read from it; a store that
// cannot be written keeps working in memory and says so once on stderr.
class QSettingsPreferenceStore : public PreferenceStore {
public:
    // Files larger than this are not settings this program wrote.
    static constexpr qint64 maximumFileSize = 1024 * 1024;
    static constexpr int syncDelayMs = 100;

    // The user's own store for this program.
    QSettingsPreferenceStore();
    // A store in the given file (tests, tools).
    explicit QSettingsPreferenceStore(const QString& iniFile);
    ~QSettingsPreferenceStore() override;

    QString fileName() const { return m_settings->fileName(); }
    void sync() override;

protected:
    std::optional<QVariant> readValue(const QString& key) const override;
    void writeValue(const QString& key, const QVariant& value) override;

private:
    void open(const QString& expectedFile, const std::function<QSettings*()>& make);
    void complain(const QString& what);

    std::unique_ptr<QSettings> m_settings;
    QTimer m_syncTimer;
    bool m_complainedAboutWriting = false;
};
