#pragma once

#include <QTimer>
#include <functional>
#include <memory>
#include <xcb/xcb.h>
#include <xcb/xfixes.h>

// XWayland hands each frame of a window to the compositor as a surface
// commit, and GNOME's mutter 43 takes the whole surface for input again on
// every commit, forgetting the window's empty input shape until the window is
// next reshaped: every click over a click-through panel would be lost. So
// each frame reshapes the panel: its bounding shape alternates between none
// and the whole window, which look the same, and the commit that follows reads
// the input shape again. A frame's own commit may reach the compositor before
// its reshape, so once frames stop, one more reshape and one more commit (an
// unchanged pixel sent again) leave the last word to the empty input shape.
class XWaylandShapeRenewal {
public:
    // Null outside an XWayland session. resend sends one unchanged pixel.
    static std::unique_ptr<XWaylandShapeRenewal>
    forSession(xcb_connection_t* connection, xcb_window_t window, std::function<void()> resend);
    ~XWaylandShapeRenewal();
    XWaylandShapeRenewal(const XWaylandShapeRenewal&) = delete;
    XWaylandShapeRenewal& operator=(const XWaylandShapeRenewal&) = delete;

    // Before each frame is drawn.
    void frameComing();

private:
    XWaylandShapeRenewal(xcb_connection_t* connection, xcb_window_t window,
                         std::function<void()> resend);
    void reshape();
    void settle();

    xcb_connection_t* m_connection;
    xcb_window_t m_window;
    xcb_xfixes_region_t m_wholeWindow;
    std::function<void()> m_resend;
    bool m_shaped = false;
    bool m_reshapedSinceFrame = false;
    QTimer m_settle;
};
