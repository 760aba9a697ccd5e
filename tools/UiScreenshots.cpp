// Renders the tray panel and the settings window to PNG for the README:
//   QT_QPA_PLATFORM=offscreen retroglimmer-ui-screenshots <directory> [dark]
// With "dark" the pictures are taken with a dark palette, named *-dark.png.
#include "settings/InMemoryPreferenceStore.h"
#include "settings/OverlaySettings.h"
#include "ui/SettingsWindowContent.h"
#include "ui/TrayPanel.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QTextStream>

namespace {
// A dark desktop palette, derived from two base colours the way one is.
QPalette darkPalette() {
    QPalette palette(QColor(60, 60, 64), QColor(45, 45, 48));
    palette.setColor(QPalette::Base, QColor(30, 30, 32));
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::PlaceholderText, QColor(235, 235, 235, 128));
    return palette;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool dark = argc == 3 && QByteArray(argv[2]) == "dark";
    if (argc != 2 && !dark) {
        QTextStream(stderr) << "usage: retroglimmer-ui-screenshots <directory> [dark]\n";
        return 2;
    }
    if (dark)
        QApplication::setPalette(darkPalette());
    const QString suffix = dark ? QStringLiteral("-dark.png") : QStringLiteral(".png");
    const QDir directory(QString::fromLocal8Bit(argv[1]));
    OverlaySettings settings(std::make_unique<InMemoryPreferenceStore>());

    TrayPanel panel(settings);
    panel.showNear(QRect());
    SettingsWindowContent window(settings);
    window.setWindowTitle(QStringLiteral("Retro Glimmer"));
    window.show();
    QApplication::processEvents();

    bool ok = panel.grab().save(directory.filePath(QStringLiteral("tray-panel") + suffix));
    ok = window.grab().save(directory.filePath(QStringLiteral("settings-window") + suffix)) && ok;
    return ok ? 0 : 1;
}
