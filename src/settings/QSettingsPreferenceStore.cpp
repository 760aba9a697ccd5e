#include "QSettingsPreferenceStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

namespace {
const QString kOrganisation = QStringLiteral("retroglimmer");
const QString kApplication = QStringLiteral("retroglimmer");

// Moves a damaged file out of the way, keeping it for whoever wants to look.
bool setAside(const QString& file) {
    const QString aside = file + QStringLiteral(".damaged");
    QFile::remove(aside);
    return QFile::rename(file, aside);
}
} // namespace

QSettingsPreferenceStore::QSettingsPreferenceStore() {
    // Where NativeFormat keeps its INI file on Linux; nothing is there on macOS.
    const QString iniLocation =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/%1/%2.conf").arg(kOrganisation, kApplication);
    open(iniLocation, [] {
        return new QSettings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation,
                             kApplication);
    });
}

QSettingsPreferenceStore::QSettingsPreferenceStore(const QString& iniFile) {
    open(iniFile, [iniFile] { return new QSettings(iniFile, QSettings::IniFormat); });
}

QSettingsPreferenceStore::~QSettingsPreferenceStore() {
    sync();
}

void QSettingsPreferenceStore::open(const QString& expectedFile,
                                    const std::function<QSettings*()>& make) {
    m_syncTimer.setSingleShot(true);
    m_syncTimer.callOnTimeout([this] { sync(); });

    // A huge file would cost seconds and hundreds of megabytes at every start
    // and every write.
    const QFileInfo info(expectedFile);
    if (info.isFile() && info.size() > maximumFileSize && setAside(expectedFile))
        complain(QStringLiteral("settings file %1 was too large and has been set aside")
                     .arg(expectedFile));

    adopt(make());
    // Sections are parsed on first use: read every key so that damage inside a
    // section shows in the status too, not only a broken section header.
    const QStringList keys = m_settings->allKeys();
    if (m_settings->status() != QSettings::FormatError)
        return;
    // Rescue what could be read, set the damaged file aside and start a clean one.
    QVariantMap rescued;
    for (const QString& key : keys)
        if (key.startsWith(QLatin1String("overlay.")))
            rescued.insert(key, m_settings->value(key));
    const QString file = m_settings->fileName();
    const QSettings::Format format = m_settings->format();
    m_settings.reset();
    if (setAside(file))
        complain(QStringLiteral("settings file %1 was damaged and has been set aside").arg(file));
    adopt(new QSettings(file, format));
    for (auto it = rescued.cbegin(); it != rescued.cend(); ++it)
        m_settings->setValue(it.key(), it.value());
    sync();
}

void QSettingsPreferenceStore::adopt(QSettings* settings) {
    m_settings.reset(settings);
    m_settings->installEventFilter(this);
}

bool QSettingsPreferenceStore::eventFilter(QObject* watched, QEvent* event) {
    // QSettings writes the whole file at the next turn of the event loop after
    // any change: once per mouse move during a drag. The sync timer batches
    // those writes instead.
    if (watched == m_settings.get() && event->type() == QEvent::UpdateRequest)
        return true;
    return QObject::eventFilter(watched, event);
}

void QSettingsPreferenceStore::complain(const QString& what) {
    std::fprintf(stderr, "retroglimmer: %s\n", qPrintable(what));
}

void QSettingsPreferenceStore::sync() {
    m_syncTimer.stop();
    m_settings->sync();
    m_sinceSync.start();
    if (m_settings->status() == QSettings::AccessError && !m_complainedAboutWriting) {
        m_complainedAboutWriting = true;
        complain(QStringLiteral("cannot write settings to %1; changes are kept in memory and "
                                "written once it can be")
                     .arg(m_settings->fileName()));
    }
}

std::optional<QVariant> QSettingsPreferenceStore::readValue(const QString& key) const {
    QVariant value = m_settings->value(key);
    if (!value.isValid())
        return std::nullopt;
    return value;
}

void QSettingsPreferenceStore::writeValue(const QString& key, const QVariant& value) {
    m_settings->setValue(key, value);
    // Without an event loop (tools) the destructor writes instead; with a sync
    // coming, it takes this change along.
    if (!QCoreApplication::instance() || m_syncTimer.isActive())
        return;
    // A change after a quiet spell is written at once, before whatever work
    // it sets off can hold the event loop up; the rest of a burst follows in
    // one write per syncDelayMs.
    const qint64 sinceSync = m_sinceSync.isValid() ? m_sinceSync.elapsed() : syncDelayMs;
    if (sinceSync >= syncDelayMs)
        sync();
    else
        m_syncTimer.start(int(syncDelayMs - sinceSync));
}
