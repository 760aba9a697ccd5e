#pragma once

#include "app/OverlayPresenter.h"
#include "app/XWaylandShapeRenewal.h"

#include <optional>
#include <vector>
#include <xcb/shm.h>
#include <xcb/xcb.h>

// The overlay panel's frame on X11: kept in memory shared with the X server,
// so showing a changed rectangle is one small request and no copy on our side.
// Where the server cannot share memory (a remote display), the rectangles go
// as image data. The window stays as Qt made and set it up.
class X11ShmPresenter : public OverlayPresenter {
public:
    // Null when the window cannot take the frame's pixels as they are: not 32
    // bits deep, or a server of the other byte order.
    static std::unique_ptr<X11ShmPresenter> open(xcb_connection_t* connection, xcb_window_t window);
    ~X11ShmPresenter() override;
    X11ShmPresenter(const X11ShmPresenter&) = delete;
    X11ShmPresenter& operator=(const X11ShmPresenter&) = delete;

    bool drawsOn(const QWidget& panel) const override;
    QImage& frame(QSize pixels) override;
    void present(const QRegion& pixels) override;

    bool sharesMemory() const { return m_segment != 0; }

private:
    X11ShmPresenter(xcb_connection_t* connection, xcb_window_t window);
    void attach(QSize pixels);
    void detach();
    // Until the server has read the shared frame, drawing into it could tear
    // the picture it shows.
    void waitForServer();
    void putImage(const QRect& rect);

    xcb_connection_t* m_connection;
    xcb_window_t m_window;
    xcb_gcontext_t m_gc;
    xcb_shm_seg_t m_segment = 0;
    void* m_memory = nullptr;
    QImage m_frame;
    std::optional<xcb_get_input_focus_cookie_t> m_pending;
    std::vector<uchar> m_rows; // image data without shared memory
    std::unique_ptr<XWaylandShapeRenewal> m_shapeRenewal;
};
