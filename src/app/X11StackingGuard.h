#pragma once

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <xcb/xcb.h>

// Keeps the overlay panels above every other top-level window. Override-redirect
// windows are not stacked by the window manager, so a window mapped or raised
// later would cover them; the guard watches the root window's stacking changes
// and raises the panels again, straight through xcb (QWindow::raise() may not
// reach the server before the next flush).
// A window that raises itself back above the panels again and again (a screen
// locker, an on-screen display) would start an endless raising match; such a
// window is left on top until it is unmapped or destroyed.
class X11StackingGuard : public QObject, public QAbstractNativeEventFilter {
public:
    X11StackingGuard(xcb_connection_t* connection, xcb_window_t root);
    ~X11StackingGuard() override;

    void add(QWidget& panel);
    void remove(QWidget& panel);
    // Raises every panel now.
    void restack();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    // A burst of raises above the panels by one window.
    struct Raises {
        qint64 since = 0;
        int count = 0;
    };

    bool isPanel(xcb_window_t window) const;
    void scheduleRestack();
    void onStackingChange(xcb_window_t window, xcb_window_t placedAbove);
    bool yieldsAfterRaise(xcb_window_t window);
    void forgetWindow(xcb_window_t window);
    QByteArray describe(xcb_window_t window) const;

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    QList<QPointer<QWidget>> m_panels;
    bool m_restackQueued = false;
    QTimer m_fallback;
    QElapsedTimer m_clock;
    QHash<xcb_window_t, Raises> m_raises;
    QSet<xcb_window_t> m_yieldedTo;
    QSet<xcb_window_t> m_reported;
};
