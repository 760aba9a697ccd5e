#include "settings/QSettingsPreferenceStore.h"

#include "settings/LookLibrary.h"
#include "settings/ScreenSelection.h"
#include "settings/SettingsFileAccess.h"
#include "settings/SettingsTable.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
const QString kOrganisation = QStringLiteral("retroglimmer");
const QString kApplication = QStringLiteral("retroglimmer");

// Qt ends the process with exit() when the display connection breaks (at
// logout), which destroys no object on the stack: live stores write what is
// pending from an exit handler instead.
std::vector<QSettingsPreferenceStore*>& liveStores() {
    static std::vector<QSettingsPreferenceStore*> stores;
    return stores;
}

void syncLiveStores() {
    for (QSettingsPreferenceStore* store : liveStores())
        store->sync();
}

// Exit handlers run in reverse order of registration, among the destructors of
// Qt's own statics: registered once QSettings has made its statics, this one
// runs while they still exist.
void syncLiveStoresAtExit() {
    static const bool registered = std::atexit(syncLiveStores) == 0;
    Q_UNUSED(registered);
}
} // namespace

QSettingsPreferenceStore::QSettingsPreferenceStore()
    // Where NativeFormat keeps its INI file on Linux; nothing is there on macOS.
    : m_file(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
             QStringLiteral("/%1/%2.conf").arg(kOrganisation, kApplication))
    , m_make([] {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           kOrganisation, kApplication);
    }) {
    open();
}

QSettingsPreferenceStore::QSettingsPreferenceStore(const QString& iniFile)
    : m_file(iniFile)
    , m_make([iniFile] { return std::make_unique<QSettings>(iniFile, QSettings::IniFormat); }) {
    open();
}

QSettingsPreferenceStore::~QSettingsPreferenceStore() {
    std::erase(liveStores(), this);
    sync();
}

void QSettingsPreferenceStore::open() {
    // The list first, so that it outlives the handler that reads it.
    liveStores().push_back(this);
    m_syncTimer.setSingleShot(true);
    m_syncTimer.callOnTimeout([this] { sync(); });

    // A huge file would cost seconds and hundreds of megabytes at every start
    // and every write: it is never read, whether or not it can be moved away.
    if (SettingsFileAccess::isTooLarge(m_file)) {
        m_setAsideReason = QStringLiteral("was too large");
        setAsideIfDue();
    }
    // Anything else that is not a plain file is left alone: the first write
    // finds it still in the way and says so.
    if (!m_setAsideReason.isEmpty() || !SettingsFileAccess::mayOpen(m_file))
        return;

    const std::unique_ptr<QSettings> settings = m_make();
    syncLiveStoresAtExit();
    // Sections are parsed on first use: read every key so that damage inside a
    // section shows in the status too, not only a broken section header.
    for (const QString& key : settings->allKeys())
        m_values.insert(key, settings->value(key));
    if (settings->status() != QSettings::FormatError)
        return;
    // Rescue what could be read into a clean file, once the damaged one is
    // out of the way: it may hold the user's hand edits.
    for (auto it = m_values.begin(); it != m_values.end();) {
        if (it.key().startsWith(QLatin1String(SettingsTable::keyPrefix)) ||
            it.key().startsWith(QLatin1String(LookLibrary::group)) ||
            it.key().startsWith(QLatin1String(ScreenSelection::group)))
            ++it;
        else
            it = m_values.erase(it);
    }
    m_unwritten = m_values;
    m_setAsideReason = QStringLiteral("was damaged");
    sync();
}

bool QSettingsPreferenceStore::setAsideIfDue() {
    if (m_setAsideReason.isEmpty())
        return true;
    if (!SettingsFileAccess::setAside(m_file))
        return false;
    complain(
        QStringLiteral("settings file %1 %2 and has been set aside").arg(m_file, m_setAsideReason));
    m_setAsideReason.clear();
    return true;
}

void QSettingsPreferenceStore::complain(const QString& what) {
    std::fprintf(stderr, "retroglimmer: %s\n", qPrintable(what));
}

bool QSettingsPreferenceStore::write() {
    if (!setAsideIfDue() || !SettingsFileAccess::mayOpen(m_file) ||
        !SettingsFileAccess::lockIsFree(m_file))
        return false;
    // Opened afresh: QSettings merges the changes into what is on disk now.
    const std::unique_ptr<QSettings> settings = m_make();
    syncLiveStoresAtExit();
    for (auto it = m_unwritten.cbegin(); it != m_unwritten.cend(); ++it) {
        if (it.value().isValid())
            settings->setValue(it.key(), it.value());
        else
            settings->remove(it.key());
    }
    settings->sync();
    return settings->status() != QSettings::AccessError;
}

void QSettingsPreferenceStore::sync() {
    m_syncTimer.stop();
    m_sinceSync.start();
    if (m_unwritten.isEmpty())
        return;
    if (write()) {
        m_unwritten.clear();
    } else if (!m_complainedAboutWriting) {
        m_complainedAboutWriting = true;
        complain(QStringLiteral("cannot write settings to %1; changes are kept in memory and "
                                "written once it can be")
                     .arg(m_file));
    }
}

std::optional<QVariant> QSettingsPreferenceStore::readValue(const QString& key) const {
    const auto it = m_values.constFind(key);
    if (it == m_values.cend() || !it->isValid())
        return std::nullopt;
    return *it;
}

void QSettingsPreferenceStore::writeValue(const QString& key, const QVariant& value) {
    m_values.insert(key, value);
    m_unwritten.insert(key, value);
    scheduleSync();
}

void QSettingsPreferenceStore::removeValue(const QString& key) {
    m_values.remove(key);
    m_unwritten.insert(key, QVariant());
    scheduleSync();
}

void QSettingsPreferenceStore::scheduleSync() {
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
