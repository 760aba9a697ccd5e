#include "app/NativeWindowSetup.h"

#include "app/PanelWindowSetup.h"

#include <QGuiApplication>

bool NativeWindowSetup::runsOn(QStringView platformName) {
    return platformName == QLatin1String(PanelWindowSetup::nativePlatform());
}

bool NativeWindowSetup::runs() {
    return runsOn(QGuiApplication::platformName());
}
