#pragma once

#include "app/XcbReply.h"

#include <xcb/xcb.h>

// Adds events to what this client selects on the root window, on top of what
// Qt and the program's other watchers selected. False when the root's
// attributes cannot be read (nothing selected then).
inline bool selectRootEvents(xcb_connection_t* connection, xcb_window_t root, uint32_t events) {
    XcbReply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, root), nullptr));
    if (!attributes)
        return false;
    const uint32_t mask = attributes->your_event_mask | events;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
    return true;
}
