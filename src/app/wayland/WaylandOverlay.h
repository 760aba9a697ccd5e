#pragma once

#include "app/NativeOverlay.h"
#include "app/wayland/WaylandGlobals.h"

#include <QObject>
#include <QSocketNotifier>
#include <map>
#include <memory>

class LayerSurface;
class WaylandOutput;
struct wl_display;
struct wl_registry;

// The overlay as layer-shell surfaces, one per output, over a Wayland
// connection of its own (Qt's may be X11, and its Wayland internals are not
// public). The connection is read from the Qt event loop.
class WaylandOverlay : public QObject, public NativeOverlay {
    Q_OBJECT

public:
    // Null when no compositor is reachable or it offers no layer shell.
    static std::unique_ptr<WaylandOverlay> connect();
    ~WaylandOverlay() override;

    void start(OverlaySettings& settings, FrameClock& clock) override;
    void show() override;
    void hide() override;
    QList<Surface> surfaces() const override;
    QList<ScreenName> outputs() const override;

private:
    explicit WaylandOverlay(wl_display* display);

    static void onGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
                         uint32_t version);
    static void onGlobalRemove(void* data, wl_registry*, uint32_t name);

    void addSurface(WaylandOutput& output);
    void readEvents();
    void flush();

    wl_display* m_display;
    wl_registry* m_registry = nullptr;
    WaylandGlobals m_globals;
    std::unique_ptr<QSocketNotifier> m_notifier;
    OverlaySettings* m_settings = nullptr;
    FrameClock* m_clock = nullptr;
    bool m_shown = false;
    // Both keyed by the output's global name.
    std::map<uint32_t, std::unique_ptr<WaylandOutput>> m_outputs;
    std::map<uint32_t, std::unique_ptr<LayerSurface>> m_surfaces;
};
