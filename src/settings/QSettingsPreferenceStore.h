#pragma once

#include "PreferenceStore.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSettings>
#include <QTimer>
#include <memory>

// The per-user store: the native defaults database on macOS, an INI file under
// the XDG config directory elsewhere. Every write reaches the disk through
// QSettings' atomic replace: at once after a quiet spell, otherwise within a
// tenth of a second, so a slider drag costs at most ten writes a second. A
// damaged file is set aside (".damaged") after rescuing what could be read
// from it; a store that cannot be written keeps working in memory, says so
// once on stderr, and tries again with the next change.
class QSettingsPreferenceStore : public QObject, public PreferenceStore {
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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void open(const QString& expectedFile, const std::function<QSettings*()>& make);
    void adopt(QSettings* settings);
    void complain(const QString& what);

    std::unique_ptr<QSettings> m_settings;
    QTimer m_syncTimer;
    QElapsedTimer m_sinceSync;
    bool m_complainedAboutWriting = false;
};
