#include "app/NativeOverlay.h"

#include "app/wayland/WaylandOverlay.h"

#include <QByteArray>

std::unique_ptr<NativeOverlay> NativeOverlay::open() {
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return nullptr;
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    std::unique_ptr<NativeOverlay> overlay = WaylandOverlay::connect();
    // The controls stay on X11 where there is one, even when the session asks
    // Qt for Wayland: Qt's Wayland windows would come up as ordinary tiled
    // windows there. Other explicit choices (offscreen, vnc) are kept.
    const QByteArray wanted = qgetenv("QT_QPA_PLATFORM");
    if (wanted.startsWith("wayland") || (wanted.isEmpty() && overlay))
        qputenv("QT_QPA_PLATFORM", x11 ? "xcb" : "wayland");
    return overlay;
}
