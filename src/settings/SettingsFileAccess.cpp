#include "settings/SettingsFileAccess.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <filesystem>
#include <system_error>

namespace {
// Nothing there, or a regular file (through symbolic links).
bool absentOrRegular(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() || info.isFile();
}
} // namespace

bool SettingsFileAccess::mayOpen(const QString& file) {
    const QFileInfo info(file);
    const QFileInfo folder(info.absolutePath());
    return absentOrRegular(file) && !isTooLarge(file) && (!folder.exists() || folder.isDir());
}

bool SettingsFileAccess::isTooLarge(const QString& file) {
    const QFileInfo info(file);
    return info.isFile() && info.size() > maximumFileSize;
}

bool SettingsFileAccess::lockIsFree(const QString& file) {
    // QLockFile reads a lock it finds taken, and the helper lock it takes to
    // remove a stale one: both must be files.
    const QString lock = file + QStringLiteral(".lock");
    if (!absentOrRegular(lock) || !absentOrRegular(lock + QStringLiteral(".rmlock")))
        return false;
    if (!QFileInfo::exists(lock))
        return true;
    // One attempt, which also clears a lock left by a process that is gone.
    QLockFile probe(lock);
    if (!probe.tryLock(0))
        return false;
    probe.unlock();
    return true;
}

bool SettingsFileAccess::setAside(const QString& file) {
    // One rename, which replaces an older file set aside but never a folder.
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(file).toStdString(),
                            QFile::encodeName(file + QStringLiteral(".damaged")).toStdString(),
                            error);
    return !error;
}
