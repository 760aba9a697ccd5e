#include "app/Application.h"

#include "app/DisplayCheck.h"
#include "app/FrameClock.h"
#include "app/NativeOverlay.h"
#include "app/OverlayController.h"
#include "app/PanelWindowSetup.h"
#include "app/SingleInstance.h"
#include "app/TrayIcon.h"
#include "app/UnixSignalQuit.h"
#include "settings/LookLibrary.h"
#include "settings/OverlaySettings.h"
#include "settings/QSettingsPreferenceStore.h"
#include "settings/ScreenSelection.h"

#include <QApplication>

int Application::run(int argc, char** argv, const AfterLaunch& afterLaunch) {
    // First of all: a signal at any later moment ends the program in order.
    UnixSignalQuit signalQuit;
    if (!PanelWindowSetup::prepareProcess() || !DisplayCheck::displayOpens())
        return 1;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("retroglimmer"));
    QApplication::setApplicationDisplayName(QStringLiteral("Retro Glimmer"));
    QApplication::setQuitOnLastWindowClosed(false);
    signalQuit.listen();

    // A second start only asks the running copy to show its panel.
    SingleInstance instance;
    switch (instance.claim()) {
    case SingleInstance::Claim::claimed:
        break;
    case SingleInstance::Claim::handedOver:
        return 0;
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
    QObject::connect(&instance, &SingleInstance::activationRequested, &tray, &TrayIcon::openPanel);
    tray.show();
    PanelWindowSetup::watchBlending(&tray,
                                    [&tray](bool blends) { tray.setNeedsCompositor(!blends); });

    if (afterLaunch)
        afterLaunch(settings, controller);
    const int status = app.exec();
    controller.useScreenSelection(nullptr);
    controller.useNativeOverlay(nullptr);
    native.reset();
    return status;
}
