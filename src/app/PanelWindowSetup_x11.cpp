#include "PanelWindowSetup.h"

#include "X11StackingGuard.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <memory>

namespace {
bool isX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// One guard for the process, made when the first panel is shown on X11.
X11StackingGuard* stackingGuard() {
    static std::unique_ptr<X11StackingGuard> guard;
    if (!guard && isX11()) {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
        if (!connection)
            return nullptr;
        const xcb_setup_t* setup = xcb_get_setup(connection);
        const xcb_window_t root = xcb_setup_roots_iterator(setup).data->root;
        guard = std::make_unique<X11StackingGuard>(connection, root);
    }
    return guard.get();
}
} // namespace

bool PanelWindowSetup::prepareProcess() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (!x11 && !wayland) {
        std::fprintf(stderr, "retroglimmer: no display found (neither DISPLAY nor WAYLAND_DISPLAY "
                             "is set); start it from a desktop session.\n");
        return false;
    }
    if (!wayland)
        return true;
    // Wayland gives no way to keep a click-through window above all others:
    // go through XWayland when it is there.
    if (x11) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        return true;
    }
    std::fprintf(stderr, "retroglimmer: the overlay needs X11 (or XWayland) or a Wayland "
                         "compositor with layer shell; this session has neither, so it cannot "
                         "stay above other windows.\n");
    return true;
}

void PanelWindowSetup::prepareApplication() {}

void PanelWindowSetup::configurePanel(QWidget& panel, QScreen* screen) {
    // Override-redirect keeps the window manager from framing the panel, which
    // would catch clicks and stack it below full-screen windows. A tool window,
    // not a plain one: showing a plain window closes the open control panel
    // popup, which holds the very switch that shows the overlay.
    panel.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus |
                         Qt::X11BypassWindowManagerHint | Qt::NoDropShadowWindowHint);
    panel.setAttribute(Qt::WA_TranslucentBackground);
    panel.setAttribute(Qt::WA_ShowWithoutActivating);
    panel.setAttribute(Qt::WA_X11DoNotAcceptFocus);
    panel.setFocusPolicy(Qt::NoFocus);
    panel.setWindowTitle(QStringLiteral("Retro Glimmer overlay"));
    panel.createWinId();
    panel.windowHandle()->setScreen(screen);
    panel.setGeometry(screen->geometry());
}

void PanelWindowSetup::orderFront(QWidget& panel) {
    panel.show();
    if (X11StackingGuard* guard = stackingGuard())
        guard->add(panel);
}

void PanelWindowSetup::forgetPanel(QWidget& panel) {
    if (X11StackingGuard* guard = isX11() ? stackingGuard() : nullptr)
        guard->remove(panel);
}
