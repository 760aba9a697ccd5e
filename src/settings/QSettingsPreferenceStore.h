#pragma once

#include "settings/PreferenceStore.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSettings>
#include <QTimer>
#include <QVariantMap>
#include <functional>
#include <memory>

// The per-user store: the native defaults database on macOS, an INI file under
// the XDG config directory elsewhere. The values live in memory; QSettings is
// opened only for the read at start and for each write, once the file's place
// has been judged safe (SettingsFileAccess), so nothing at the path can block
// the program. Every write reaches the disk through QSettings' atomic replace:
// at once after a quiet spell, otherwise within a tenth of a second, so a
// slider drag costs at most ten writes a second. A damaged or oversized file
// is set aside (".damaged") before anything is written in its place. A store
// that cannot be written keeps working in memory, says so once on stderr, and
// tries again with the next change.
class QSettingsPreferenceStore : public QObject, public PreferenceStore {
public:
    static constexpr int syncDelayMs = 100;

    // The user's own store for this program.
    QSettingsPreferenceStore();
    // A store in the given file (tests, tools).
    explicit QSettingsPreferenceStore(const QString& iniFile);
    ~QSettingsPreferenceStore() override;

    QString fileName() const { return m_file; }
    void sync() override;

protected:
    std::optional<QVariant> readValue(const QString& key) const override;
    void writeValue(const QString& key, const QVariant& value) override;
    void removeValue(const QString& key) override;
    QStringList allStoredKeys() const override { return m_values.keys(); }

private:
    using Factory = std::function<std::unique_ptr<QSettings>()>;

    void open();
    bool setAsideIfDue();
    bool write();
    void complain(const QString& what);
    void scheduleSync();

    QString m_file;
    Factory m_make;
    // What was read at start and every change since.
    QVariantMap m_values;
    // Changes not on disk yet; an invalid value stands for a removed key.
    QVariantMap m_unwritten;
    // Why the file at the path must be set aside before anything is written
    // there ("was damaged"); empty when it need not be.
    QString m_setAsideReason;
    QTimer m_syncTimer;
    QElapsedTimer m_sinceSync;
    bool m_complainedAboutWriting = false;
};
