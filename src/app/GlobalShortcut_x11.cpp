#include "app/GlobalShortcut.h"

#include "app/X11KeyGrab.h"

#include <QGuiApplication>

// Keys can be grabbed from an X server only; a Wayland session binds its own
// keys to the command line.
std::unique_ptr<GlobalShortcut> GlobalShortcut::create() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return nullptr;
    return std::make_unique<X11KeyGrab>(x11->connection());
}
