#pragma once

#include "app/TickPacer.h"
#include "app/wayland/ShmBuffer.h"
#include "app/wayland/WaylandGlobals.h"
#include "render/OverlayRenderConfiguration.h"
#include "render/fast/OverlayFrameRenderer.h"

#include <QObject>
#include <QSize>
#include <memory>
#include <optional>
#include <vector>

class FrameClock;
class OverlaySettings;
struct wl_callback;
struct wl_output;
struct wl_surface;
struct zwlr_layer_surface_v1;
struct wp_fractional_scale_v1;
struct wp_viewport;

// The overlay on one output: a layer-shell surface above every window that
// takes no input, drawn at device resolution into reused shared-memory
// buffers. Frames follow the compositor's frame callbacks, at most 30 a second;
// only the changed area is drawn and damaged, and nothing is committed while
// nothing moves.
class LayerSurface : public QObject {
    Q_OBJECT

public:
    LayerSurface(const WaylandGlobals& globals, wl_output* output, int scale,
                 OverlaySettings& settings, FrameClock& clock);
    ~LayerSurface() override;

    // The output's integer scale; ignored where the compositor tells the
    // surface a fractional one.
    void setOutputScale(int scale);
    QSize size() const { return m_size; }
    double scale() const { return m_scale; }

signals:
    // The compositor took the surface away (e.g. its output went).
    void closed();

private:
    static void onConfigure(void* data, zwlr_layer_surface_v1*, uint32_t serial, uint32_t width,
                            uint32_t height);
    static void onClosed(void* data, zwlr_layer_surface_v1*);
    static void onFrameDone(void* data, wl_callback* callback, uint32_t);
    static void onPreferredScale(void* data, wp_fractional_scale_v1*, uint32_t scale120);

    void setScale(double scale);
    QSize bufferPixels() const;

    void tick();
    // Draws the frame inside changed (logical) and commits it; false when every
    // buffer is still held by the compositor.
    bool present(const QRegion& changed);
    ShmBuffer* freeBuffer();

    const WaylandGlobals& m_globals;
    OverlaySettings& m_settings;
    FrameClock& m_clock;
    wl_surface* m_surface = nullptr;
    zwlr_layer_surface_v1* m_layer = nullptr;
    wl_callback* m_frameCallback = nullptr;
    wp_viewport* m_viewport = nullptr;
    wp_fractional_scale_v1* m_fractional = nullptr;
    QSize m_size;
    double m_scale = 1;
    bool m_configured = false;
    bool m_tickWanted = false;

    OverlayFrameRenderer m_renderer;
    std::vector<std::unique_ptr<ShmBuffer>> m_buffers;
    TickPacer m_pacer;
    OverlayRenderConfiguration m_next;
    double m_nextTime = 0;
    std::optional<OverlayRenderConfiguration> m_shown;
    double m_shownTime = 0;
};
