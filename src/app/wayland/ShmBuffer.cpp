#include "app/wayland/ShmBuffer.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

ShmBuffer::ShmBuffer(wl_shm* shm, QSize pixels, double scale, std::function<void()> released)
    : m_released(std::move(released)) {
    const int stride = pixels.width() * 4;
    m_bytes = size_t(stride) * size_t(pixels.height());
    if (m_bytes == 0)
        return;
    const int fd = memfd_create("retroglimmer-overlay", MFD_CLOEXEC);
    if (fd < 0)
        return;
    void* memory = MAP_FAILED;
    if (ftruncate(fd, off_t(m_bytes)) == 0)
        memory = mmap(nullptr, m_bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (memory == MAP_FAILED) {
        close(fd);
        return;
    }
    m_memory = memory;
    // The pool's file descriptor is copied when the request is sent.
    wl_shm_pool* pool = wl_shm_create_pool(shm, fd, int(m_bytes));
    m_buffer = wl_shm_pool_create_buffer(pool, 0, pixels.width(), pixels.height(), stride,
                                         WL_SHM_FORMAT_ARGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    static const wl_buffer_listener listener = {&ShmBuffer::onRelease};
    wl_buffer_add_listener(m_buffer, &listener, this);
    // ARGB8888 in little-endian memory is Qt's premultiplied ARGB32.
    m_image = QImage(static_cast<uchar*>(m_memory), pixels.width(), pixels.height(), stride,
                     QImage::Format_ARGB32_Premultiplied);
    m_image.setDevicePixelRatio(scale);
    m_image.fill(Qt::transparent);
}

ShmBuffer::~ShmBuffer() {
    m_image = QImage();
    if (m_buffer)
        wl_buffer_destroy(m_buffer);
    if (m_memory)
        munmap(m_memory, m_bytes);
}

void ShmBuffer::onRelease(void* data, wl_buffer*) {
    auto* self = static_cast<ShmBuffer*>(data);
    self->m_busy = false;
    if (self->m_released)
        self->m_released();
}
