#pragma once

// Program start-up: the application object, the settings -> overlay wiring,
// screen notifications and the tray icon. Returns the exit status.
class Application {
public:
    static int run(int argc, char** argv);
};
