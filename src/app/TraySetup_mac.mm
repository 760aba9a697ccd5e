#include "app/TraySetup.h"

#include "ui/SymbolIcon.h"

#include <QCursor>
#include <QMenu>

#import <AppKit/AppKit.h>

// A context menu given to the status item would open on every click, over the
// panel. So the menu stays apart and opens, as menu-bar items do, on a right
// click or a Control-click; a plain click opens only the panel.
void TraySetup::attach(QSystemTrayIcon& icon, QMenu& menu) {
    // A mask becomes a template image, which macOS draws in the menu bar's
    // own colour, light or dark. Only its alpha counts, so it takes the plain
    // glyph: the ring other trays need would turn into a solid blob.
    QIcon glyph = SymbolIcon::icon(QStringLiteral("square.grid.3x3"), Qt::black);
    glyph.setIsMask(true);
    icon.setIcon(glyph);
    QObject::connect(&icon, &QSystemTrayIcon::activated, &menu,
                     [&icon, &menu](QSystemTrayIcon::ActivationReason reason) {
                         if (!opensMenu(reason))
                             return;
                         const QRect item = icon.geometry();
                         menu.popup(item.isValid() ? item.bottomLeft() : QCursor::pos());
                     });
}

bool TraySetup::opensMenu(QSystemTrayIcon::ActivationReason reason) {
    // Qt reports a Control-click as a plain one (Trigger); the event still
    // being handled says which it was.
    const bool controlClick = reason == QSystemTrayIcon::Trigger &&
                              (NSApp.currentEvent.modifierFlags & NSEventModifierFlagControl);
    return reason == QSystemTrayIcon::Context || controlClick;
}
