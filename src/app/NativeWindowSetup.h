#pragma once

#include <QStringView>

// Whether this build's native window calls (PanelWindowSetup) may run. They
// take a window's winId() for that system's own handle, which it is only under
// the Qt platform plugin they were written for; under any other (offscreen in
// the tests, say) it is a bare number.
class NativeWindowSetup {
public:
    static bool runsOn(QStringView platformName);
    // On the platform plugin this process runs on.
    static bool runs();
};
