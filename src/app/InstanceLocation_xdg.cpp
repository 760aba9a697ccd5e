#include "app/InstanceLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <sys/socket.h>
#include <unistd.h>

QString InstanceLocation::directory() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    // Without a usable runtime folder, one of the user's own in the shared
    // temporary folder.
    return runtime.isEmpty()
               ? QDir::temp().filePath(QStringLiteral("retroglimmer-%1").arg(geteuid()))
               : runtime;
}

QString InstanceLocation::name() {
    return QStringLiteral("retroglimmer");
}

void InstanceLocation::makePrivateFolder(const QString& directory) {
    QDir().mkpath(QFileInfo(directory).absolutePath());
    QDir().mkdir(directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool InstanceLocation::peerIsThisUser(qintptr socketDescriptor) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(int(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == geteuid();
}
