#pragma once

#include <QImage>
#include <QRegion>
#include <functional>

struct wl_buffer;
struct wl_shm;

// One ARGB buffer in shared memory, drawn by QPainter and read by the
// compositor. It is busy from attach until the compositor releases it.
class ShmBuffer {
public:
    // A null buffer() when the memory could not be had.
    ShmBuffer(wl_shm* shm, QSize pixels, double scale, std::function<void()> released);
    ~ShmBuffer();
    ShmBuffer(const ShmBuffer&) = delete;
    ShmBuffer& operator=(const ShmBuffer&) = delete;

    wl_buffer* buffer() const { return m_buffer; }
    QImage& image() { return m_image; }
    bool isBusy() const { return m_busy; }
    void setBusy() { m_busy = true; }

    // Logical area where this buffer lags behind the picture on screen: what
    // changed while other buffers were drawn.
    QRegion& stale() { return m_stale; }

private:
    static void onRelease(void* data, wl_buffer* buffer);

    void* m_memory = nullptr;
    size_t m_bytes = 0;
    wl_buffer* m_buffer = nullptr;
    QImage m_image;
    bool m_busy = false;
    QRegion m_stale;
    std::function<void()> m_released;
};
