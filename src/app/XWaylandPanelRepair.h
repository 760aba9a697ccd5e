#pragma once

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <functional>
#include <xcb/xcb.h>

// Under XWayland without layer shell (GNOME's mutter 43), a compositor may
// hand the pointer to a click-through panel whatever its empty input shape
// says, and keep it there: seen right after the panel was mapped while the
// pointer rested on the program's controls, once another window was
// activated. (Reshaping with every frame, see XWaylandShapeRenewal, does not
// undo this.) Every click would then go to XWayland and be lost. The panels
// take no input, so XWayland can only see the pointer where no X window wants
// it when that happens: its events then reach the root window through the
// screen-sized input-only window. Seeing one, the repair maps the panels
// again, which the compositor then gets right.
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
