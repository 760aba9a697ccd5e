#include "app/InstanceLocation.h"

#include <QDir>
#include <QStandardPaths>

QString InstanceLocation::directory() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

QString InstanceLocation::name() {
    return QStringLiteral("retroglimmer");
}
