#include "app/Application.h"

#include "app/CommandLine.h"
#include "app/CommandRunner.h"
#include "app/DisplayCheck.h"
#include "app/FrameClock.h"
#include "app/GlobalShortcut.h"
#include "app/NativeOverlay.h"
#include "app/OverlayController.h"
#include "app/PanelWindowSetup.h"
#include "app/SingleInstance.h"
#include "app/TrayIcon.h"
#include "app/UnixSignalQuit.h"
#include "settings/OverlaySettings.h"
#include "settings/ToggleShortcut.h"

#include <QApplication>

int Application::run(int argc, char** argv,
                     const std::function<void(OverlaySettings&)>& afterLaunch) {
    // Commands that need no running program are done without a display.
    const CommandLine commandLine = CommandLine::parse(argc, argv);
    if (commandLine.exitStatus)
        return *commandLine.exitStatus;
    if (!commandLine.startsProgram())
        return commandLine.runWithoutStart(argc, argv);

    // First of all: a signal at any later moment ends the program in order.
    UnixSignalQuit signalQuit;
    // Chosen once: the session's own overlay where it offers one, else panels.
    std::unique_ptr<NativeOverlay> native = NativeOverlay::open();
    if ((!native && !PanelWindowSetup::prepareProcess()) || !DisplayCheck::displayOpens())
        return 1;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("retroglimmer"));
    QApplication::setApplicationDisplayName(QStringLiteral("Retro Glimmer"));
    QApplication::setQuitOnLastWindowClosed(false);
    signalQuit.listen();

    // A second start hands its commands to the running copy, or asks it to
    // show its panel.
    SingleInstance instance;
    const QByteArrayList request =
        commandLine.commands.isEmpty() ? QByteArrayList{"show"} : commandLine.request();
    switch (instance.claim(request)) {
    case SingleInstance::Claim::claimed:
        break;
    case SingleInstance::Claim::handedOver:
        return CommandLine::report(instance.answer());
    case SingleInstance::Claim::unanswered:
        return 1;
    }

    PanelWindowSetup::prepareApplication();

    OverlaySettings& settings = OverlaySettings::shared();
    OverlayController& controller = OverlayController::shared();
    settings.setVisibilityRequestHandler(
        [&controller](bool visible) { controller.setVisible(visible); });
    controller.registerForScreenChanges();
    if (native) {
        native->start(settings, FrameClock::system());
        controller.useNativeOverlay(native.get());
    }

    TrayIcon tray(settings);
    CommandRunner commands(settings, [&tray] { tray.openPanel(); });
    instance.setRequestHandler(
        [&commands](const QByteArrayList& lines) { return commands.run(lines); });
    ToggleShortcut shortcut(settings.store());
    tray.setToggleShortcut(&shortcut);
    const std::unique_ptr<GlobalShortcut> keys = GlobalShortcut::create();
    if (keys) {
        QObject::connect(keys.get(), &GlobalShortcut::activated, &settings,
                         [&settings] { settings.setIsEnabled(!settings.isEnabled()); });
        keys->follow(shortcut);
    }
    tray.show();
    PanelWindowSetup::watchBlending(&tray,
                                    [&tray](bool blends) { tray.setNeedsCompositor(!blends); });

    // Panels are widgets: they must go before the application object does.
    // Every change was written when made; make sure it is on disk too.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &controller, [&] {
        controller.closePanels();
        settings.store().sync();
    });
    // The first start carries out its own commands (--on, --toggle, ...).
    CommandLine::report(commands.run(commandLine.commands));
    if (afterLaunch)
        afterLaunch(settings);
    const int status = app.exec();
    controller.useNativeOverlay(nullptr);
    native.reset();
    return status;
}
