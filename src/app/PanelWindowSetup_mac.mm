#include "PanelWindowSetup.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

#import <AppKit/AppKit.h>

namespace {
constexpr NSInteger kScreenSaverLevel = 1000;
// Can join all spaces, stationary, ignores cycle, full-screen auxiliary.
constexpr NSWindowCollectionBehavior kCollectionBehavior = 337;
} // namespace

bool PanelWindowSetup::prepareProcess() { return true; }

void PanelWindowSetup::prepareApplication() {
    // A menu-bar utility: no Dock icon and no menu bar of its own.
    [NSApp setActivationPolicy:NSApplicationActivationPolicyAccessory];
}

void PanelWindowSetup::configurePanel(QWidget& panel, QScreen* screen) {
    panel.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus |
                         Qt::NoDropShadowWindowHint);
    panel.setAttribute(Qt::WA_TranslucentBackground);
    panel.setAttribute(Qt::WA_ShowWithoutActivating);
    panel.setAttribute(Qt::WA_MacAlwaysShowToolWindow);
    panel.setFocusPolicy(Qt::NoFocus);
    panel.createWinId();
    panel.windowHandle()->setScreen(screen);
    panel.setGeometry(screen->geometry());
}

void PanelWindowSetup::orderFront(QWidget& panel) {
    panel.show();
    NSView* view = reinterpret_cast<NSView*>(panel.winId());
    NSWindow* window = view.window;
    if (!window)
        return;
    window.level = kScreenSaverLevel;
    window.collectionBehavior = kCollectionBehavior;
    window.hasShadow = NO;
    window.ignoresMouseEvents = YES;
    window.opaque = NO;
    window.backgroundColor = NSColor.clearColor;
    [window orderFrontRegardless];
}

void PanelWindowSetup::forgetPanel(QWidget&) {}

void PanelWindowSetup::watchBlending(QObject*, const std::function<void(bool)>& changed) {
    changed(true); // the window server always blends
}
