#include "app/PanelWindowSetup.h"

#include "app/NativeWindowSetup.h"
#include "app/X11CompositorWatcher.h"
#include "app/X11StackingGuard.h"
#include "app/XWaylandPanelRepair.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

namespace {
bool isX11() {
    return NativeWindowSetup::runs();
}

xcb_connection_t* x11Connection() {
    auto* x11 = isX11() ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootOf(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

// One guard for the process, made when the first panel is shown on X11.
X11StackingGuard* stackingGuard() {
    static std::unique_ptr<X11StackingGuard> guard;
    if (xcb_connection_t* connection = guard ? nullptr : x11Connection())
        guard = std::make_unique<X11StackingGuard>(connection, rootOf(connection));
    return guard.get();
}

// The panels the overlay wants on screen, mapped or waiting for a compositor.
QList<QPointer<QWidget>>& wantedPanels() {
    static QList<QPointer<QWidget>> panels;
    return panels;
}

void present(QWidget& panel);

// Maps every shown panel again, straight through xcb: Qt would not unmap a
// window it still considers visible.
void remapShownPanels() {
    xcb_connection_t* connection = x11Connection();
    for (const QPointer<QWidget>& panel : wantedPanels()) {
        if (!panel || !panel->isVisible())
            continue;
        const auto window = xcb_window_t(panel->internalWinId());
        xcb_unmap_window(connection, window);
        free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
        xcb_map_window(connection, window);
    }
    xcb_flush(connection);
}

// One repair for the process, made with the first panel in an XWayland session.
void watchPointerLeaks() {
    static std::unique_ptr<XWaylandPanelRepair> repair;
    xcb_connection_t* connection = repair ? nullptr : x11Connection();
    if (connection && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        repair =
            std::make_unique<XWaylandPanelRepair>(connection, rootOf(connection), remapShownPanels);
}

// One watcher for the process, made at start-up or with the first panel.
X11CompositorWatcher* compositorWatcher() {
    static std::unique_ptr<X11CompositorWatcher> watcher;
    xcb_connection_t* connection = watcher ? nullptr : x11Connection();
    if (connection) {
        watcher = std::make_unique<X11CompositorWatcher>(connection);
        QObject::connect(watcher.get(), &X11CompositorWatcher::changed, [] {
            for (const QPointer<QWidget>& panel : wantedPanels())
                if (panel)
                    present(*panel);
        });
    }
    return watcher.get();
}

// Without a compositor the clear parts of a panel show black and hide the
// whole screen: a panel is mapped only while one blends it.
void present(QWidget& panel) {
    X11CompositorWatcher* watcher = compositorWatcher();
    X11StackingGuard* guard = stackingGuard();
    if (!watcher || !guard || watcher->runsFor(xcb_window_t(panel.internalWinId()))) {
        if (panel.isVisible())
            return;
        panel.show();
        if (guard)
            guard->add(panel);
        return;
    }
    static bool told = false;
    if (!std::exchange(told, true))
        std::fprintf(stderr,
                     "retroglimmer: no compositing manager is running, and without one "
                     "the overlay would hide the screen; it will appear when one starts.\n");
    guard->remove(panel);
    panel.hide();
}
} // namespace

const char* PanelWindowSetup::nativePlatform() {
    return "xcb";
}

bool PanelWindowSetup::prepareProcess() {
    const QByteArray wanted = qgetenv("QT_QPA_PLATFORM");
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    // Other explicit choices (offscreen, vnc) are kept.
    if (!wanted.isEmpty() && !(wayland && wanted.startsWith("wayland")))
        return true;
    if (!x11 && !wayland) {
        std::fprintf(stderr, "retroglimmer: no display found (neither DISPLAY nor WAYLAND_DISPLAY "
                             "is set); start it from a desktop session.\n");
        return false;
    }
    // The controls stay on X11 wherever XWayland runs, even when the session
    // asks Qt for Wayland: Qt's Wayland windows come up as ordinary tiled
    // windows there, and only X11 keeps panels above everything without layer
    // shell.
    if (wayland)
        qputenv("QT_QPA_PLATFORM", x11 ? "xcb" : "wayland");
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
    // Never translated: compositor rules and scripts find the overlay by it.
    panel.setWindowTitle(QStringLiteral("Retro Glimmer overlay"));
    // A Qt Wayland window can neither float above others nor let clicks
    // through: it would be an ordinary window taking the focus and covering
    // nothing. Never put on screen; start-up said why.
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        panel.setAttribute(Qt::WA_DontShowOnScreen);
    panel.createWinId();
    panel.windowHandle()->setScreen(screen);
    panel.setGeometry(screen->geometry());
}

void PanelWindowSetup::orderFront(QWidget& panel) {
    if (X11StackingGuard* guard = stackingGuard())
        guard->add(panel);
    if (!isX11()) {
        panel.show();
        return;
    }
    wantedPanels().append(&panel);
    present(panel);
    watchPointerLeaks();
}

void PanelWindowSetup::forgetPanel(QWidget& panel) {
    wantedPanels().removeIf(
        [&panel](const QPointer<QWidget>& p) { return p.isNull() || p == &panel; });
    if (X11StackingGuard* guard = isX11() ? stackingGuard() : nullptr)
        guard->remove(panel);
}

void PanelWindowSetup::watchBlending(QObject* context, const std::function<void(bool)>& changed) {
    X11CompositorWatcher* watcher = compositorWatcher();
    if (!watcher) {
        changed(true);
        return;
    }
    QObject::connect(watcher, &X11CompositorWatcher::changed, context,
                     [watcher, changed] { changed(watcher->runsEverywhere()); });
    changed(watcher->runsEverywhere());
}
