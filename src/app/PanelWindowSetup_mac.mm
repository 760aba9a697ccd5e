#include "app/PanelWindowSetup.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

#import <AppKit/AppKit.h>

namespace {
// On every space and beside full-screen windows, left in place by Mission
// Control and skipped by window cycling.
constexpr NSWindowCollectionBehavior kCollectionBehavior =
    NSWindowCollectionBehaviorCanJoinAllSpaces | NSWindowCollectionBehaviorStationary |
    NSWindowCollectionBehaviorIgnoresCycle | NSWindowCollectionBehaviorFullScreenAuxiliary;
} // namespace

const char* PanelWindowSetup::nativePlatform() {
    return "cocoa";
}

bool PanelWindowSetup::prepareProcess() {
    return true;
}

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
    NSView* view = reinterpret_cast<NSView*>(panel.winId());
    NSWindow* window = view.window;
    if (!window)
        return;
    // Qt makes a Qt::Tool window an NSPanel, the only class this bit is valid
    // for; on a plain NSWindow it is left out.
    if ([window isKindOfClass:[NSPanel class]])
        window.styleMask |= NSWindowStyleMaskNonactivatingPanel;
    window.collectionBehavior = kCollectionBehavior;
    // After the two above, as Qt does: a level change re-verifies them.
    window.level = NSScreenSaverWindowLevel;
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
