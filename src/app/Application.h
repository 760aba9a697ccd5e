#pragma once

#include <functional>

class OverlaySettings;

// Program start-up: the application object, the settings -> overlay wiring,
// screen notifications and the tray icon. Returns the exit status.
class Application {
public:
    // afterLaunch runs once the program is up (for test drivers built on the
    // same start-up); the program itself passes nothing.
    static int run(int argc, char** argv,
                   const std::function<void(OverlaySettings&)>& afterLaunch = {});
};
