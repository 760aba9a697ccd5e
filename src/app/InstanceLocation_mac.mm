#include "app/InstanceLocation.h"

#import <Foundation/Foundation.h>

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
