#include "app/TraySetup.h"

#include <QMenu>

// The tray shows the context menu on a right click by itself; a left click
// stays the panel's.
void TraySetup::attach(QSystemTrayIcon& icon, QMenu& menu) {
    icon.setContextMenu(&menu);
}

bool TraySetup::opensMenu(QSystemTrayIcon::ActivationReason reason) {
    return reason == QSystemTrayIcon::Context;
}
