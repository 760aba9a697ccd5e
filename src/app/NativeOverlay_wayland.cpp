#include "app/NativeOverlay.h"

#include "app/wayland/WaylandOverlay.h"

#include <QGuiApplication>
#include <cstdio>

std::unique_ptr<NativeOverlay> NativeOverlay::open() {
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return nullptr;
    std::unique_ptr<NativeOverlay> overlay = WaylandOverlay::connect();
    // Without X11 the panels would be Qt Wayland windows: ordinary, focused,
    // tiled, covering nothing. Those are never shown (see PanelWindowSetup).
    if (!overlay && QGuiApplication::platformName() == QLatin1String("wayland"))
        std::fprintf(stderr, "retroglimmer: this Wayland session offers neither XWayland nor "
                             "layer shell, so the overlay cannot be shown here; the controls "
                             "still work.\n");
    return overlay;
}
