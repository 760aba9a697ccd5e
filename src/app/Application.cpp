#include "Application.h"

#include "OverlaySettings.h"
#include "SymbolIcon.h"

#include <QApplication>
#include <QMenu>
#include <QSystemTrayIcon>

int Application::run(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Retro Glimmer"));
    QApplication::setQuitOnLastWindowClosed(false);

    OverlaySettings::shared();

    QSystemTrayIcon tray(SymbolIcon::icon(QStringLiteral("square.grid.3x3")));
    tray.setToolTip(QObject::tr("Retro Glimmer"));
    QMenu menu;
    QObject::connect(menu.addAction(QObject::tr("Quit")), &QAction::triggered, &app,
                     &QCoreApplication::quit);
    tray.setContextMenu(&menu);
    tray.show();
    return app.exec();
}
