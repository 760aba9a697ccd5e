#pragma once

#include <functional>

class OverlayController;
class OverlaySettings;

// Program start-up: the application object, the settings -> overlay wiring,
// screen notifications and the tray icon. Returns the exit status.
class Application {
public:
    // Runs once the program is up (for test drivers built on the same
    // start-up); the program itself passes nothing.
    using AfterLaunch = std::function<void(OverlaySettings&, OverlayController&)>;

    static int run(int argc, char** argv, const AfterLaunch& afterLaunch = {});
};
