#pragma once

#include <functional>

class QObject;
class QScreen;
class QWidget;

// What differs between windowing systems, in one place per platform: how a
// panel becomes a borderless, click-through, never-activated window that
// floats above everything, and what the application needs at launch.
namespace PanelWindowSetup {

// The Qt platform plugin whose native window handles these functions use.
const char* nativePlatform();

// Before the application object exists (e.g. choose X11 over Wayland). False,
// after saying why on stderr, when there is no display to run on.
bool prepareProcess();
// Once the application object exists (e.g. no Dock icon).
void prepareApplication();
// Flags and attributes of a fresh panel, before it is shown.
void configurePanel(QWidget& panel, QScreen* screen);
// Once the panel is shown: lifts it above every other window, without
// activating anything.
void orderFront(QWidget& panel);
// The panel is about to close.
void forgetPanel(QWidget& panel);
// Calls `changed` now and whenever it changes (while `context` lives) with
// whether panels can be seen: on X11 only while a compositing manager runs,
// since without one their clear parts would show black. Until then a panel
// asked for waits unmapped.
void watchBlending(QObject* context, const std::function<void(bool)>& changed);

} // namespace PanelWindowSetup
