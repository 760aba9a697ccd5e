#pragma once

// Starting the program when the user logs in. On Linux and other XDG desktops
// this is the user's autostart entry (see AutostartEntry), on macOS the
// application's login item.
class LaunchAtLogin {
public:
    static bool isEnabled();
    // Turns starting at login on or off. Returns false, with nothing changed,
    // when the setting could not be written.
    static bool setEnabled(bool enabled);
};
