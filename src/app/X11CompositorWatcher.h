#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <vector>
#include <xcb/xcb.h>

// Whether a compositing manager runs on the screens of the X display: one runs
// on screen n while some client owns the selection _NET_WM_CM_S<n>. XFixes
// reports every change of owner, so a compositor that starts or stops later is
// noticed at once (without XFixes the state seen at start stays).
class X11CompositorWatcher : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit X11CompositorWatcher(xcb_connection_t* connection);
    ~X11CompositorWatcher() override;

    // Whether the screen that `window` lives on has a compositor.
    bool runsFor(xcb_window_t window) const;
    // Whether every screen has one.
    bool runsEverywhere() const;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    void changed();

private:
    struct Screen {
        xcb_window_t root;
        xcb_atom_t selection;
        xcb_window_t owner;
    };

    xcb_connection_t* m_connection;
    std::vector<Screen> m_screens;
    // The event code of XFixes' SelectionNotify; 0 without XFixes.
    uint8_t m_selectionNotify = 0;
};
