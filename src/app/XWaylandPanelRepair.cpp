#include "app/XWaylandPanelRepair.h"

#include "app/XcbReply.h"
#include "app/XcbRootEvents.h"

#include <QCoreApplication>
#include <utility>

namespace {
// A remap takes effect within a frame or two; one a second at most keeps a
// compositor that keeps getting it wrong from making the overlay blink.
constexpr qint64 kRepairSpacingMs = 1000;
} // namespace

XWaylandPanelRepair::XWaylandPanelRepair(xcb_connection_t* connection, xcb_window_t root,
                                         std::function<void()> remap)
    : m_connection(connection)
    , m_root(root)
    , m_remap(std::move(remap)) {
    // The hint keeps motion to one event per window entered: the pointer
    // crossing other clients' windows costs next to nothing.
    if (selectRootEvents(connection, root,
                         XCB_EVENT_MASK_ENTER_WINDOW | XCB_EVENT_MASK_POINTER_MOTION |
                             XCB_EVENT_MASK_POINTER_MOTION_HINT))
        QCoreApplication::instance()->installNativeEventFilter(this);
}

XWaylandPanelRepair::~XWaylandPanelRepair() {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool XWaylandPanelRepair::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    xcb_window_t child = XCB_NONE;
    switch (event->response_type & ~0x80) {
    case XCB_ENTER_NOTIFY: {
        const auto* enter = reinterpret_cast<const xcb_enter_notify_event_t*>(event);
        if (enter->event != m_root)
            return false;
        child = enter->child;
        break;
    }
    case XCB_MOTION_NOTIFY: {
        const auto* motion = reinterpret_cast<const xcb_motion_notify_event_t*>(event);
        if (motion->event != m_root)
            return false;
        child = motion->child;
        break;
    }
    default:
        return false;
    }
    if (m_sinceRepair.isValid() && m_sinceRepair.elapsed() < kRepairSpacingMs)
        return false;
    if (leaksThrough(child)) {
        m_sinceRepair.start();
        m_remap();
    }
    return false;
}

// Over a real window the pointer belongs to it. Over the compositor's
// screen-sized input-only window it can only have come through a panel. (With
// no window under it at all, it has merely left every X window.)
bool XWaylandPanelRepair::leaksThrough(xcb_window_t child) const {
    if (child == XCB_NONE)
        return false;
    XcbReply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
        m_connection, xcb_get_window_attributes(m_connection, child), nullptr));
    return attributes && attributes->_class == XCB_WINDOW_CLASS_INPUT_ONLY;
}
