// The program's own start-up, plus a command line on stdin so end-to-end tests
// can switch the overlay and ask what is on screen:
//   on | off      assign isEnabled
//   panels        print "panels N" then one "surface OUTPUT W H SCALE" line
//                 per native overlay surface (X11 panels are the server's to tell)
//   set NAME V    assign the number V to the numeric setting NAME
//   note          print "note S/N": S of the N control lists show the line
//                 saying the overlay needs a compositor
//   screen L on|off  tick or untick the screen labelled L in the tray's
//                 "Screens" menu
//   quit          end the program
// Each command is answered once it has been carried out.
#include "app/Application.h"
#include "app/NativeOverlay.h"
#include "app/OverlayController.h"
#include "app/ScreensMenu.h"
#include "settings/OverlaySettings.h"
#include "settings/SettingsTable.h"
#include "ui/SettingsList.h"

#include <QApplication>
#include <QLabel>
#include <QSocketNotifier>
#include <QWidget>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

namespace {
void answer(const std::string& line) {
    std::cout << line << std::endl;
}

void handle(const std::string& command, OverlaySettings& settings,
            const OverlayController& controller) {
    if (command == "on" || command == "off") {
        settings.setIsEnabled(command == "on");
        answer("ok " + command);
    } else if (command == "panels" && controller.nativeOverlay()) {
        const auto surfaces = controller.nativeOverlay()->surfaces();
        answer("panels " + std::to_string(surfaces.size()));
        for (const auto& surface : surfaces)
            answer("surface " + surface.output.toStdString() + " " +
                   std::to_string(surface.size.width()) + " " +
                   std::to_string(surface.size.height()) + " " +
                   QString::number(surface.scale).toStdString());
    } else if (command.starts_with("set ")) {
        std::istringstream words(command.substr(4));
        std::string name;
        double value = 0;
        const SettingDefinition* definition =
            words >> name >> value ? SettingsTable::find(name) : nullptr;
        if (definition)
            settings.setValue(definition->setting, value);
        answer(definition ? "ok set " + name : "unknown " + command);
    } else if (command == "note") {
        int shown = 0, views = 0;
        for (QWidget* widget : QApplication::allWidgets())
            if (auto* view = qobject_cast<SettingsList*>(widget)) {
                ++views;
                shown += view->compositorNote()->isHidden() ? 0 : 1;
            }
        answer("note " + std::to_string(shown) + "/" + std::to_string(views));
    } else if (command.starts_with("screen ")) {
        const auto space = command.rfind(' ');
        const QString label = QString::fromStdString(command.substr(7, space - 7));
        QAction* item = nullptr;
        for (QWidget* widget : QApplication::allWidgets())
            if (auto* menu = qobject_cast<ScreensMenu*>(widget)) {
                emit menu->aboutToShow();
                for (QAction* action : menu->actions())
                    item = action->text() == label ? action : item;
            }
        if (item)
            item->setChecked(command.substr(space + 1) == "on");
        answer(item ? "ok screen" : "unknown " + command);
    } else if (command == "quit") {
        QCoreApplication::quit();
    } else if (!command.empty()) {
        answer("unknown " + command);
    }
}

void listenOnStdin(OverlaySettings& settings, OverlayController& controller) {
    auto* notifier = new QSocketNotifier(0, QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, [&settings, &controller, notifier] {
        std::string line;
        if (!std::getline(std::cin, line)) {
            notifier->setEnabled(false);
            return;
        }
        handle(line, settings, controller);
    });
    answer("ready");
}
} // namespace

int main(int argc, char** argv) {
    return Application::run(argc, argv, listenOnStdin);
}
