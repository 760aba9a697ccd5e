#include "app/X11CompositorWatcher.h"

#include "app/XcbReply.h"

#include <QCoreApplication>
#include <algorithm>
#include <string>
#include <xcb/xfixes.h>

X11CompositorWatcher::X11CompositorWatcher(xcb_connection_t* connection)
    : m_connection(connection) {
    const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(connection, &xcb_xfixes_id);
    if (xfixes && xfixes->present) {
        // XFixes answers nothing else before a version has been agreed.
        XcbReply<xcb_xfixes_query_version_reply_t> version(xcb_xfixes_query_version_reply(
            connection, xcb_xfixes_query_version(connection, 2, 0), nullptr));
        if (version)
            m_selectionNotify = xfixes->first_event + XCB_XFIXES_SELECTION_NOTIFY;
    }
    const uint32_t ownerChanges = XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                  XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                  XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE;
    int number = 0;
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem;
         xcb_screen_next(&it), ++number) {
        const std::string name = "_NET_WM_CM_S" + std::to_string(number);
        XcbReply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.data()),
            nullptr));
        if (!atom)
            continue;
        // Listen first, then read: an owner arriving in between is not missed.
        if (m_selectionNotify)
            xcb_xfixes_select_selection_input(connection, it.data->root, atom->atom, ownerChanges);
        XcbReply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
            connection, xcb_get_selection_owner(connection, atom->atom), nullptr));
        m_screens.push_back({it.data->root, atom->atom, owner ? owner->owner : xcb_window_t(0)});
    }
    xcb_flush(connection);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11CompositorWatcher::~X11CompositorWatcher() {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool X11CompositorWatcher::runsFor(xcb_window_t window) const {
    XcbReply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr));
    for (const Screen& screen : m_screens)
        if (geometry && screen.root == geometry->root)
            return screen.owner != 0;
    return runsEverywhere();
}

bool X11CompositorWatcher::runsEverywhere() const {
    return std::all_of(m_screens.begin(), m_screens.end(),
                       [](const Screen& screen) { return screen.owner != 0; });
}

bool X11CompositorWatcher::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (!m_selectionNotify || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != m_selectionNotify)
        return false;
    // The owner is none when the old owner's window or connection went away.
    const auto* notify = reinterpret_cast<const xcb_xfixes_selection_notify_event_t*>(event);
    for (Screen& screen : m_screens) {
        if (screen.root != notify->window || screen.selection != notify->selection ||
            screen.owner == notify->owner)
            continue;
        const bool ran = screen.owner != 0;
        screen.owner = notify->owner;
        if (ran != (screen.owner != 0))
            emit changed();
    }
    return false; // Qt tracks the same selection for itself
}
