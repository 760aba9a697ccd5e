#include "app/InstanceLocation.h"

#import <Foundation/Foundation.h>
#include <QDir>
#include <sys/socket.h>
#include <unistd.h>

// The sandbox lets the program write in its own container only. Its temporary
// folder there is the shortest (/var/folders/…/T/<bundle id>/, about 85
// bytes), and already names the program, so the files get a short name to
// keep the socket's path within the 104 bytes macOS allows.

QString InstanceLocation::directory() {
    @autoreleasepool {
        return QString::fromNSString(NSTemporaryDirectory());
    }
}

QString InstanceLocation::name() {
    return QStringLiteral("rg");
}

void InstanceLocation::makePrivateFolder(const QString& directory) {
    // The container's temporary folder already belongs to the user alone.
    QDir().mkpath(directory);
}

bool InstanceLocation::peerIsThisUser(qintptr socketDescriptor) {
    uid_t uid = 0;
    gid_t gid = 0;
    return getpeereid(int(socketDescriptor), &uid, &gid) == 0 && uid == geteuid();
}
