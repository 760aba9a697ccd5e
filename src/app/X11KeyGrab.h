#pragma once

#include "app/GlobalShortcut.h"

#include <QAbstractNativeEventFilter>
#include <vector>
#include <xcb/xcb.h>

// A global shortcut on X11: a passive grab of the key on every screen's root
// window, once with each combination of Caps Lock and Num Lock, which would
// otherwise change the modifiers the server compares. A combination that
// another client holds gives BadAccess; nothing of it is kept then.
class X11KeyGrab : public GlobalShortcut, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit X11KeyGrab(xcb_connection_t* connection);
    ~X11KeyGrab() override;

    Hold hold(const QKeySequence& sequence) override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void release();
    std::vector<uint16_t> lockVariants() const;
    xcb_keycode_t keycodeFor(uint32_t keysym) const;

    xcb_connection_t* m_connection;
    std::vector<xcb_window_t> m_roots;
    xcb_keycode_t m_keycode = 0;
    uint16_t m_modifiers = 0;
    uint16_t m_numLock = 0;
    // A held key repeats: only its first press counts.
    bool m_down = false;
    xcb_timestamp_t m_lastRelease = 0;
};
