#pragma once

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <functional>
#include <xcb/xcb.h>

// Under XWayland without layer shell (GNOME's mutter 43), a compositor may
// take a freshly mapped click-through panel as covering the screen for input,
// whatever its empty input shape says: the pointer then goes to XWayland over
// the panel and every click is lost. The panels take no input, so XWayland
// can only see the pointer where no X window wants it when that happens: its
// events then reach the root window through the screen-sized input-only
// window or nothing at all. Seeing one, the repair maps the panels again,
// which gives the compositor a second look at their input shape.
class XWaylandPanelRepair : public QAbstractNativeEventFilter {
public:
    // remap maps every shown panel again.
    XWaylandPanelRepair(xcb_connection_t* connection, xcb_window_t root,
                        std::function<void()> remap);
    ~XWaylandPanelRepair() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    bool leaksThrough(xcb_window_t child) const;

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    std::function<void()> m_remap;
    QElapsedTimer m_sinceRepair;
};
