#pragma once

// Starting the program when the user logs in. On Linux and other XDG desktops
// this is the user's autostart entry (see AutostartEntry), on macOS the
// application's login item.
class LaunchAtLogin {
public:
    static bool isEnabled();
    // Registered, but not started at login until the user approves it in the
    // system's settings (macOS); until then isEnabled() is false.
    static bool awaitsApproval();
    // Turns starting at login on or off. Returns false, with nothing changed,
    // when the setting could not be written. Turning on what waits for
    // approval shows the user where to give it.
    static bool setEnabled(bool enabled);
};
