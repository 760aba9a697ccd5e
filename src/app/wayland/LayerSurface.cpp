#include "app/wayland/LayerSurface.h"

#include "app/FrameClock.h"
#include "app/PresentedDamage.h"
#include "settings/OverlaySettings.h"

#include "app/wayland/LayerShellProtocol.h"

#include <cmath>
#include <fractional-scale-v1-client-protocol.h>
#include <viewporter-client-protocol.h>
#include <wayland-client.h>

namespace {
// Enough for one buffer on screen, one queued and one being drawn.
constexpr size_t maximumBuffers = 3;
} // namespace

LayerSurface::LayerSurface(const WaylandGlobals& globals, wl_output* output, int scale,
                           OverlaySettings& settings, FrameClock& clock)
    : m_globals(globals)
    , m_settings(settings)
    , m_clock(clock)
    , m_scale(scale)
    , m_pacer([this] { tick(); }) {
    m_surface = wl_compositor_create_surface(globals.compositor);
    m_layer = zwlr_layer_shell_v1_get_layer_surface(
        globals.layerShell, m_surface, output, ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "retroglimmer");
    static const zwlr_layer_surface_v1_listener listener = {&LayerSurface::onConfigure,
                                                            &LayerSurface::onClosed};
    zwlr_layer_surface_v1_add_listener(m_layer, &listener, this);
    zwlr_layer_surface_v1_set_anchor(
        m_layer, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                     ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
    zwlr_layer_surface_v1_set_size(m_layer, 0, 0);
    // Covers panels and bars too, without pushing them aside.
    zwlr_layer_surface_v1_set_exclusive_zone(m_layer, -1);
    zwlr_layer_surface_v1_set_keyboard_interactivity(m_layer, 0);
    // An empty input region: pointer and touch go to whatever lies below.
    wl_region* nothing = wl_compositor_create_region(globals.compositor);
    wl_surface_set_input_region(m_surface, nothing);
    wl_region_destroy(nothing);
    if (globals.viewporter && globals.fractionalScale) {
        m_viewport = wp_viewporter_get_viewport(globals.viewporter, m_surface);
        m_fractional =
            wp_fractional_scale_manager_v1_get_fractional_scale(globals.fractionalScale, m_surface);
        static const wp_fractional_scale_v1_listener scaleListener = {
            &LayerSurface::onPreferredScale};
        wp_fractional_scale_v1_add_listener(m_fractional, &scaleListener, this);
    } else if (globals.compositorVersion >= WL_SURFACE_SET_BUFFER_SCALE_SINCE_VERSION) {
        wl_surface_set_buffer_scale(m_surface, scale);
    }
    wl_surface_commit(m_surface);

    connect(&settings, &OverlaySettings::effectSettingsChanged, &m_pacer, &TickPacer::schedule);
}

LayerSurface::~LayerSurface() {
    if (m_frameCallback)
        wl_callback_destroy(m_frameCallback);
    if (m_fractional)
        wp_fractional_scale_v1_destroy(m_fractional);
    if (m_viewport)
        wp_viewport_destroy(m_viewport);
    zwlr_layer_surface_v1_destroy(m_layer);
    wl_surface_destroy(m_surface);
}

void LayerSurface::setOutputScale(int scale) {
    if (m_fractional)
        return;
    if (scale != m_scale &&
        m_globals.compositorVersion >= WL_SURFACE_SET_BUFFER_SCALE_SINCE_VERSION)
        wl_surface_set_buffer_scale(m_surface, scale);
    setScale(scale);
}

void LayerSurface::onPreferredScale(void* data, wp_fractional_scale_v1*, uint32_t scale120) {
    if (scale120 > 0)
        static_cast<LayerSurface*>(data)->setScale(scale120 / 120.0);
}

void LayerSurface::setScale(double scale) {
    if (scale == m_scale)
        return;
    m_scale = scale;
    m_buffers.clear();
    m_shown.reset();
    m_pacer.schedule();
}

QSize LayerSurface::bufferPixels() const {
    // With a viewport the buffer may be any size; without, a whole multiple.
    if (m_viewport)
        return QSize(int(std::lround(m_size.width() * m_scale)),
                     int(std::lround(m_size.height() * m_scale)));
    return m_size * int(m_scale);
}

void LayerSurface::onConfigure(void* data, zwlr_layer_surface_v1* layer, uint32_t serial,
                               uint32_t width, uint32_t height) {
    auto* self = static_cast<LayerSurface*>(data);
    zwlr_layer_surface_v1_ack_configure(layer, serial);
    const QSize size(static_cast<int>(width), static_cast<int>(height));
    if (size != self->m_size) {
        self->m_size = size;
        if (self->m_viewport)
            wp_viewport_set_destination(self->m_viewport, int(width), int(height));
        self->m_buffers.clear();
        self->m_shown.reset();
    }
    self->m_configured = true;
    if (!self->m_shown)
        self->tick();
}

void LayerSurface::onClosed(void* data, zwlr_layer_surface_v1*) {
    emit static_cast<LayerSurface*>(data)->closed();
}

void LayerSurface::onFrameDone(void* data, wl_callback* callback, uint32_t) {
    auto* self = static_cast<LayerSurface*>(data);
    wl_callback_destroy(callback);
    self->m_frameCallback = nullptr;
    if (self->m_tickWanted) {
        self->m_tickWanted = false;
        self->tick();
    }
}

void LayerSurface::tick() {
    if (!m_configured || m_size.isEmpty())
        return;
    // The compositor has not shown the last frame yet: draw once it has.
    if (m_frameCallback) {
        m_tickWanted = true;
        return;
    }
    m_pacer.ticked();
    m_next = OverlayRenderConfiguration::fromSettings(m_settings);
    m_nextTime = m_clock.now();
    QRegion changed;
    if (!m_shown || !(*m_shown == m_next))
        changed = QRect(QPoint(0, 0), m_size);
    else
        changed = OverlayFrameRenderer::changedRegion(QSizeF(m_size), m_next, m_shownTime,
                                                      m_nextTime, m_scale);
    if (!changed.isEmpty() && !present(changed)) {
        m_tickWanted = true;
        return;
    }
    if (OverlayFrameRenderer::isAnimated(m_next))
        m_pacer.schedule();
}

bool LayerSurface::present(const QRegion& changed) {
    ShmBuffer* buffer = freeBuffer();
    if (!buffer)
        return false;
    for (auto& each : m_buffers)
        each->stale() += changed;
    // Replaces what the buffer is behind on in place, in strips that keep
    // the painting on this thread.
    m_renderer.paintInto(buffer->image(), QSizeF(m_size), m_next, m_nextTime, buffer->stale());
    buffer->stale() = QRegion();

    wl_surface_attach(m_surface, buffer->buffer(), 0, 0);
    for (const QRect& rect : presentedDamage(changed, buffer->image().size())) {
        if (m_globals.compositorVersion >= WL_SURFACE_DAMAGE_BUFFER_SINCE_VERSION) {
            const QRect pixels = QRectF(rect.x() * m_scale, rect.y() * m_scale,
                                        rect.width() * m_scale, rect.height() * m_scale)
                                     .toAlignedRect();
            wl_surface_damage_buffer(m_surface, pixels.x(), pixels.y(), pixels.width(),
                                     pixels.height());
        } else
            wl_surface_damage(m_surface, rect.x(), rect.y(), rect.width(), rect.height());
    }
    static const wl_callback_listener frameListener = {&LayerSurface::onFrameDone};
    m_frameCallback = wl_surface_frame(m_surface);
    wl_callback_add_listener(m_frameCallback, &frameListener, this);
    wl_surface_commit(m_surface);
    buffer->setBusy();
    m_shown = m_next;
    m_shownTime = m_nextTime;
    return true;
}

ShmBuffer* LayerSurface::freeBuffer() {
    for (auto& buffer : m_buffers)
        if (!buffer->isBusy())
            return buffer.get();
    if (m_buffers.size() >= maximumBuffers)
        return nullptr;
    auto buffer = std::make_unique<ShmBuffer>(m_globals.shm, bufferPixels(), m_scale, [this] {
        if (m_tickWanted && !m_frameCallback) {
            m_tickWanted = false;
            tick();
        }
    });
    if (!buffer->buffer())
        return nullptr;
    buffer->stale() = QRect(QPoint(0, 0), m_size);
    m_buffers.push_back(std::move(buffer));
    return m_buffers.back().get();
}
