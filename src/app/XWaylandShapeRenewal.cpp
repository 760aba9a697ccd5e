#include "app/XWaylandShapeRenewal.h"

#include <utility>

namespace {
// Long enough for the compositor to have taken the reshape in before the
// commit that should apply it, even on a busy machine.
constexpr int kSettleMs = 100;
} // namespace

std::unique_ptr<XWaylandShapeRenewal>
XWaylandShapeRenewal::forSession(xcb_connection_t* connection, xcb_window_t window,
                                 std::function<void()> resend) {
    // XWayland 22 has no extension to tell it by; the session it serves does.
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return nullptr;
    return std::unique_ptr<XWaylandShapeRenewal>(
        new XWaylandShapeRenewal(connection, window, std::move(resend)));
}

XWaylandShapeRenewal::XWaylandShapeRenewal(xcb_connection_t* connection, xcb_window_t window,
                                           std::function<void()> resend)
    : m_connection(connection)
    , m_window(window)
    , m_wholeWindow(xcb_generate_id(connection))
    , m_resend(std::move(resend)) {
    const xcb_rectangle_t everything{0, 0, 32767, 32767};
    xcb_xfixes_create_region(connection, m_wholeWindow, 1, &everything);
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    m_settle.callOnTimeout([this] { settle(); });
}

XWaylandShapeRenewal::~XWaylandShapeRenewal() {
    xcb_xfixes_destroy_region(m_connection, m_wholeWindow);
}

void XWaylandShapeRenewal::frameComing() {
    reshape();
    m_reshapedSinceFrame = false;
    m_settle.start();
}

void XWaylandShapeRenewal::settle() {
    if (!std::exchange(m_reshapedSinceFrame, true)) {
        reshape();
        xcb_flush(m_connection);
        m_settle.start();
    } else {
        m_resend();
    }
}

void XWaylandShapeRenewal::reshape() {
    m_shaped = !m_shaped;
    xcb_xfixes_set_window_shape_region(m_connection, m_window, XCB_SHAPE_SK_BOUNDING, 0, 0,
                                       m_shaped ? m_wholeWindow : XCB_NONE);
}
