#include "app/LaunchAtLogin.h"

#include "app/AutostartEntry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool LaunchAtLogin::isEnabled() {
    QFile file(AutostartEntry::filePath());
    return file.open(QIODevice::ReadOnly) && AutostartEntry::isActive(file.readAll());
}

// Desktops start autostart entries without asking anyone.
bool LaunchAtLogin::awaitsApproval() {
    return false;
}

bool LaunchAtLogin::setEnabled(bool enabled) {
    const QString path = AutostartEntry::filePath();
    const QFileInfo info(path);
    if (!enabled)
        return (!info.exists() && !info.isSymLink()) || QFile::remove(path);

    // The entry must name the binary that is running, wherever it was installed.
    const QString program = QCoreApplication::applicationFilePath();
    if (program.isEmpty() || !QDir().mkpath(info.absolutePath()))
        return false;
    const QByteArray text = AutostartEntry::contents(program);
    // Written aside and renamed over, so a failed write keeps the old entry.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
