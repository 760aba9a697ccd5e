#include "app/X11ShmPresenter.h"

#include "app/NativeWindowSetup.h"
#include "app/PresentedDamage.h"
#include "app/XcbReply.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cstring>
#include <sys/ipc.h>
#include <sys/shm.h>

std::unique_ptr<OverlayPresenter> OverlayPresenter::create(QWidget& panel) {
    auto* x11 = NativeWindowSetup::runs()
                    ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                    : nullptr;
    if (!x11 || !x11->connection() || !panel.internalWinId())
        return nullptr;
    return X11ShmPresenter::open(x11->connection(), xcb_window_t(panel.internalWinId()));
}

std::unique_ptr<X11ShmPresenter> X11ShmPresenter::open(xcb_connection_t* connection,
                                                       xcb_window_t window) {
    // The frame is premultiplied ARGB in this machine's byte order, which is
    // what a 32-bit window takes from a server of the same order.
    const bool littleEndian = QSysInfo::ByteOrder == QSysInfo::LittleEndian;
    const bool serverLittleEndian =
        xcb_get_setup(connection)->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
    XcbReply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    if (!geometry || geometry->depth != 32 || littleEndian != serverLittleEndian)
        return nullptr;
    return std::unique_ptr<X11ShmPresenter>(new X11ShmPresenter(connection, window));
}

X11ShmPresenter::X11ShmPresenter(xcb_connection_t* connection, xcb_window_t window)
    : m_connection(connection)
    , m_window(window)
    , m_gc(xcb_generate_id(connection)) {
    const uint32_t noExposures = 0;
    xcb_create_gc(m_connection, m_gc, m_window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    m_shapeRenewal = XWaylandShapeRenewal::forSession(connection, window, [this] {
        if (!m_frame.isNull())
            present(QRegion(0, 0, 1, 1));
    });
}

X11ShmPresenter::~X11ShmPresenter() {
    m_shapeRenewal.reset();
    detach();
    xcb_free_gc(m_connection, m_gc);
    xcb_flush(m_connection);
}

bool X11ShmPresenter::drawsOn(const QWidget& panel) const {
    return xcb_window_t(panel.internalWinId()) == m_window;
}

QImage& X11ShmPresenter::frame(QSize pixels) {
    waitForServer();
    if (m_shapeRenewal)
        m_shapeRenewal->frameComing();
    if (m_frame.size() != pixels) {
        detach();
        attach(pixels);
    }
    return m_frame;
}

void X11ShmPresenter::attach(QSize pixels) {
    const qsizetype bytes = qsizetype(pixels.width()) * pixels.height() * 4;
    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(m_connection, &xcb_shm_id);
    const int id = bytes > 0 && shm && shm->present
                       ? shmget(IPC_PRIVATE, std::size_t(bytes), IPC_CREAT | 0600)
                       : -1;
    void* memory = id >= 0 ? shmat(id, nullptr, 0) : reinterpret_cast<void*>(-1);
    if (memory != reinterpret_cast<void*>(-1)) {
        const xcb_shm_seg_t segment = xcb_generate_id(m_connection);
        XcbReply<xcb_generic_error_t> error(xcb_request_check(
            m_connection, xcb_shm_attach_checked(m_connection, segment, uint32_t(id), 1)));
        if (!error) {
            m_segment = segment;
            m_memory = memory;
        } else {
            shmdt(memory); // a server on another machine, for one
        }
    }
    // Gone once both sides have let go of it, even if this process dies.
    if (id >= 0)
        shmctl(id, IPC_RMID, nullptr);
    m_frame = m_memory ? QImage(static_cast<uchar*>(m_memory), pixels.width(), pixels.height(),
                                qsizetype(pixels.width()) * 4, QImage::Format_ARGB32_Premultiplied)
                       : QImage(pixels, QImage::Format_ARGB32_Premultiplied);
}

void X11ShmPresenter::detach() {
    m_frame = QImage();
    if (!m_memory)
        return;
    waitForServer();
    xcb_shm_detach(m_connection, m_segment);
    shmdt(m_memory);
    m_memory = nullptr;
    m_segment = 0;
}

void X11ShmPresenter::waitForServer() {
    if (m_pending)
        std::free(xcb_get_input_focus_reply(m_connection, *m_pending, nullptr));
    m_pending.reset();
}

void X11ShmPresenter::present(const QRegion& changed) {
    // One request per rectangle: the damage the compositor sees is what each
    // request covered.
    const std::vector<QRect> pixels = presentedDamage(changed, m_frame.size());
    for (const QRect& r : pixels) {
        const QRect rect = r.intersected(m_frame.rect());
        if (rect.isEmpty())
            continue;
        if (m_segment)
            xcb_shm_put_image(m_connection, m_window, m_gc, uint16_t(m_frame.width()),
                              uint16_t(m_frame.height()), uint16_t(rect.x()), uint16_t(rect.y()),
                              uint16_t(rect.width()), uint16_t(rect.height()), int16_t(rect.x()),
                              int16_t(rect.y()), 32, XCB_IMAGE_FORMAT_Z_PIXMAP, 0, m_segment, 0);
        else
            putImage(rect);
    }
    if (m_segment)
        m_pending = xcb_get_input_focus(m_connection);
    xcb_flush(m_connection);
}

void X11ShmPresenter::putImage(const QRect& rect) {
    // In pieces of whole rows that each fit one request.
    const std::size_t rowBytes = std::size_t(rect.width()) * 4;
    const std::size_t maximum = std::size_t(xcb_get_maximum_request_length(m_connection)) * 4;
    const int rowsPerRequest = int(std::max<std::size_t>(1, (maximum - 64) / rowBytes));
    for (int top = rect.top(); top <= rect.bottom(); top += rowsPerRequest) {
        const int rows = std::min(rowsPerRequest, rect.bottom() + 1 - top);
        m_rows.resize(rowBytes * std::size_t(rows));
        for (int row = 0; row < rows; ++row)
            std::memcpy(m_rows.data() + rowBytes * std::size_t(row),
                        m_frame.constScanLine(top + row) + std::size_t(rect.left()) * 4, rowBytes);
        xcb_put_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_window, m_gc,
                      uint16_t(rect.width()), uint16_t(rows), int16_t(rect.left()), int16_t(top), 0,
                      32, uint32_t(m_rows.size()), m_rows.data());
    }
}
