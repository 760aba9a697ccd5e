#include "app/X11StackingGuard.h"

#include "app/XcbReply.h"
#include "app/XcbRootEvents.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
// A window raised above the panels this many times within this span is
// raising itself on purpose: ordinary windows come to the top once per click.
constexpr int kRaisesBeforeYielding = 10;
constexpr qint64 kRaiseSpanMs = 2000;

// The event if the root reported it (a change among the top-level windows).
template <typename Event>
const Event* fromRoot(const xcb_generic_event_t* event, xcb_window_t root) {
    const auto* typed = reinterpret_cast<const Event*>(event);
    return typed->event == root ? typed : nullptr;
}

// Other clients' window names, safe to print on a terminal.
QByteArray printable(QByteArray text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    return text;
}
} // namespace

X11StackingGuard::X11StackingGuard(xcb_connection_t* connection, xcb_window_t root)
    : m_connection(connection)
    , m_root(root) {
    if (selectRootEvents(connection, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    } else {
        // No stacking events to be had: fall back to raising now and then.
        m_fallback.setInterval(2000);
        connect(&m_fallback, &QTimer::timeout, this, &X11StackingGuard::restack);
    }
    m_clock.start();
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

void X11StackingGuard::onStackingChange(xcb_window_t window, xcb_window_t placedAbove) {
    if (m_panels.isEmpty() || isPanel(window) || m_yieldedTo.contains(window))
        return;
    const bool covers = isPanel(placedAbove) || m_yieldedTo.contains(placedAbove);
    if (covers && yieldsAfterRaise(window))
        return;
    scheduleRestack();
}

bool X11StackingGuard::yieldsAfterRaise(xcb_window_t window) {
    const qint64 now = m_clock.elapsed();
    Raises& raises = m_raises[window];
    if (raises.count == 0 || now - raises.since > kRaiseSpanMs)
        raises = {now, 0};
    if (++raises.count < kRaisesBeforeYielding)
        return false;
    m_raises.remove(window);
    m_yieldedTo.insert(window);
    if (!m_reported.contains(window)) {
        m_reported.insert(window);
        std::fprintf(stderr,
                     "retroglimmer: window 0x%x%s keeps raising itself above the overlay; "
                     "leaving it on top until it goes away.\n",
                     unsigned(window), describe(window).constData());
    }
    return true;
}

void X11StackingGuard::forgetWindow(xcb_window_t window) {
    m_raises.remove(window);
    m_yieldedTo.remove(window);
}

QByteArray X11StackingGuard::describe(xcb_window_t window) const {
    const auto property = [this, window](xcb_atom_t atom) {
        XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, 0, window, atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 64),
            nullptr));
        if (!reply)
            return QByteArray();
        return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                          xcb_get_property_value_length(reply.get()));
    };
    const QByteArray name = property(XCB_ATOM_WM_NAME);
    // WM_CLASS holds the instance name and then the class name, each ending in NUL.
    const QList<QByteArray> classes = property(XCB_ATOM_WM_CLASS).split('\0');
    QByteArrayList parts;
    if (!name.isEmpty())
        parts << '"' + printable(name) + '"';
    if (classes.size() > 1 && !classes[1].isEmpty())
        parts << "class " + printable(classes[1]);
    return parts.isEmpty() ? QByteArray() : " (" + parts.join(", ") + ')';
}

bool X11StackingGuard::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & ~0x80) {
    case XCB_MAP_NOTIFY:
        if (const auto* map = fromRoot<xcb_map_notify_event_t>(event, m_root))
            onStackingChange(map->window, XCB_NONE);
        break;
    case XCB_CONFIGURE_NOTIFY:
        if (const auto* configure = fromRoot<xcb_configure_notify_event_t>(event, m_root))
            onStackingChange(configure->window, configure->above_sibling);
        break;
    case XCB_CIRCULATE_NOTIFY:
        if (const auto* circulate = fromRoot<xcb_circulate_notify_event_t>(event, m_root))
            onStackingChange(circulate->window, XCB_NONE);
        break;
    // Whatever was yielded to is watched again once it has gone away.
    case XCB_UNMAP_NOTIFY:
        if (const auto* unmap = fromRoot<xcb_unmap_notify_event_t>(event, m_root))
            forgetWindow(unmap->window);
        break;
    case XCB_DESTROY_NOTIFY:
        if (const auto* destroy = fromRoot<xcb_destroy_notify_event_t>(event, m_root))
            forgetWindow(destroy->window);
        break;
    default:
        break;
    }
    return false;
}
