#include "X11StackingGuard.h"

#include <QCoreApplication>
#include <memory>

X11StackingGuard::X11StackingGuard(xcb_connection_t* connection, xcb_window_t root)
    : m_connection(connection)
    , m_root(root) {
    // Ask for the root's substructure events on top of whatever Qt selected.
    const xcb_get_window_attributes_cookie_t cookie = xcb_get_window_attributes(connection, root);
    std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&free)> reply(
        xcb_get_window_attributes_reply(connection, cookie, nullptr), &free);
    if (reply) {
        const uint32_t mask = reply->your_event_mask | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection);
        QCoreApplication::instance()->installNativeEventFilter(this);
    } else {
        // No stacking events to be had: fall back to raising now and then.
        m_fallback.setInterval(2000);
        connect(&m_fallback, &QTimer::timeout, this, &X11StackingGuard::restack);
    }
}

X11StackingGuard::~X11StackingGuard() {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

void X11StackingGuard::add(QWidget& panel) {
    m_panels.append(&panel);
    restack();
    if (!m_fallback.isActive() && m_fallback.interval() > 0)
        m_fallback.start();
}

void X11StackingGuard::remove(QWidget& panel) {
    m_panels.removeIf([&panel](const QPointer<QWidget>& p) { return p.isNull() || p == &panel; });
    if (m_panels.isEmpty())
        m_fallback.stop();
}

bool X11StackingGuard::isPanel(xcb_window_t window) const {
    for (const QPointer<QWidget>& panel : m_panels)
        if (panel && panel->internalWinId() == window)
            return true;
    return false;
}

void X11StackingGuard::restack() {
    m_restackQueued = false;
    const uint32_t above = XCB_STACK_MODE_ABOVE;
    bool any = false;
    for (const QPointer<QWidget>& panel : m_panels) {
        if (!panel || !panel->internalWinId())
            continue;
        xcb_configure_window(m_connection, xcb_window_t(panel->internalWinId()),
                             XCB_CONFIG_WINDOW_STACK_MODE, &above);
        any = true;
    }
    if (any)
        xcb_flush(m_connection);
}

void X11StackingGuard::scheduleRestack() {
    // Bursts of stacking events collapse into one restack per event-loop turn.
    if (m_restackQueued)
        return;
    m_restackQueued = true;
    QMetaObject::invokeMethod(this, &X11StackingGuard::restack, Qt::QueuedConnection);
}

bool X11StackingGuard::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (m_panels.isEmpty() || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & ~0x80) {
    case XCB_MAP_NOTIFY: {
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
        if (map->event == m_root && !isPanel(map->window))
            scheduleRestack();
        break;
    }
    case XCB_CONFIGURE_NOTIFY: {
        const auto* configure = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
        if (configure->event == m_root && !isPanel(configure->window))
            scheduleRestack();
        break;
    }
    case XCB_CIRCULATE_NOTIFY: {
        const auto* circulate = reinterpret_cast<const xcb_circulate_notify_event_t*>(event);
        if (circulate->event == m_root && !isPanel(circulate->window))
            scheduleRestack();
        break;
    }
    default:
        break;
    }
    return false;
}
