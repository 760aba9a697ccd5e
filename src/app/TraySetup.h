#pragma once

#include <QSystemTrayIcon>

class QMenu;

// What differs between platforms in the tray icon: how its menu opens beside
// the click that opens the control panel, and how its glyph is drawn.
namespace TraySetup {

// Once the icon has its glyph: gives it its menu.
void attach(QSystemTrayIcon& icon, QMenu& menu);
// Whether this activation opens the menu, and so not the panel.
bool opensMenu(QSystemTrayIcon::ActivationReason reason);

} // namespace TraySetup
