#pragma once

#include <QAbstractNativeEventFilter>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <xcb/xcb.h>

// Keeps the overlay panels above every other top-level window. Override-redirect
// windows are not stacked by the window manager, so a window mapped or raised
// later would cover them; the guard watches the root window's stacking changes
// and raises the panels again, straight through xcb (QWindow::raise() may not
// reach the server before the next flush).
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
    bool isPanel(xcb_window_t window) const;
    void scheduleRestack();

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    QList<QPointer<QWidget>> m_panels;
    bool m_restackQueued = false;
    QTimer m_fallback;
};
