// The program's own start-up, plus a command line on stdin so end-to-end tests
// can switch the overlay and ask what is on screen:
//   on | off      assign isEnabled
//   panels        print "panels N" then one "panel X Y W H" line per panel
//   quit          end the program
#include "Application.h"
#include "OverlayController.h"
#include "OverlaySettings.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <cstdio>
#include <iostream>
#include <string>

namespace {
void answer(const std::string& line) {
    std::cout << line << std::endl;
}

void handle(const std::string& command, OverlaySettings& settings) {
    if (command == "on" || command == "off") {
        settings.setIsEnabled(command == "on");
        answer("ok " + command);
    } else if (command == "panels") {
        const auto& windows = OverlayController::shared().windows();
        answer("panels " + std::to_string(windows.size()));
        for (const auto& [screen, panel] : windows) {
            const QRect g = panel->geometry();
            answer("panel " + std::to_string(g.x()) + " " + std::to_string(g.y()) + " " +
                   std::to_string(g.width()) + " " + std::to_string(g.height()));
        }
    } else if (command == "quit") {
        QCoreApplication::quit();
    } else if (!command.empty()) {
        answer("unknown " + command);
    }
}
} // namespace

int main(int argc, char** argv) {
    return Application::run(argc, argv, [](OverlaySettings& settings) {
        auto* notifier = new QSocketNotifier(0, QSocketNotifier::Read, qApp);
        QObject::connect(notifier, &QSocketNotifier::activated, [&settings, notifier] {
            std::string line;
            if (!std::getline(std::cin, line)) {
                notifier->setEnabled(false);
                return;
            }
            handle(line, settings);
        });
        answer("ready");
    });
}
