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
#include "app/Translations.h"
#include "app/TrayIcon.h"
#include "app/UnixSignalQuit.h"
#include "settings/LookLibrary.h"
#include "settings/OverlaySettings.h"
#include "settings/QSettingsPreferenceStore.h"
#include "settings/ScreenSelection.h"
#include "settings/ToggleShortcut.h"

#include <QApplication>
#include <QLocale>

int Application::run(int argc, char** argv, const AfterLaunch& afterLaunch) {
    // Commands that need no running program are done without a display.
    const CommandLine commandLine = CommandLine::parse(argc, argv);
    if (commandLine.exitStatus)
        return *commandLine.exitStatus;
    if (!commandLine.startsProgram())
        return commandLine.runWithoutStart(argc, argv);

    // First of all: a signal at any later moment ends the program in order.
    UnixSignalQuit signalQuit;
    if (!PanelWindowSetup::prepareProcess() || !DisplayCheck::displayOpens())
        return 1;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("retroglimmer"));
    QApplication::setApplicationDisplayName(QStringLiteral("Retro Glimmer"));
    QApplication::setQuitOnLastWindowClosed(false);
    signalQuit.listen();
    // The panel and menus only; what goes to the terminal stays English.
    const Translations translations{QLocale()};

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
    // Chosen once: the session's own overlay where it offers one, else panels.
    std::unique_ptr<NativeOverlay> native = NativeOverlay::open();

    // Both go before the application object does: the panels are widgets, and
    // the settings write what is still pending as they go.
    OverlaySettings settings(std::make_unique<QSettingsPreferenceStore>());
    OverlayController controller(settings, FrameClock::system());
    controller.registerForScreenChanges();
    ScreenSelection screens(settings.store());
    controller.useScreenSelection(&screens);
    if (native) {
        native->useScreenSelection(&screens);
        native->start(settings, FrameClock::system());
        controller.useNativeOverlay(native.get());
    }

    LookLibrary looks(settings);
    TrayIcon tray(settings, looks, screens,
                  native ? ScreensMenu::ScreenList([&native] { return native->outputs(); })
                         : ScreensMenu::ScreenList(&ScreensMenu::qtScreens));
    CommandRunner commands(settings, looks, [&tray] { tray.openPanel(); });
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

    // The first start carries out its own commands (--on, --toggle, ...).
    CommandLine::report(commands.run(commandLine.commands));
    if (afterLaunch)
        afterLaunch(settings, controller);
    const int status = app.exec();
    controller.useScreenSelection(nullptr);
    controller.useNativeOverlay(nullptr);
    native.reset();
    return status;
}
