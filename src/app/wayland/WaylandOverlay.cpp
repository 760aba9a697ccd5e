#include "app/wayland/WaylandOverlay.h"

#include "app/wayland/LayerSurface.h"
#include "app/wayland/WaylandOutput.h"

#include "app/wayland/LayerShellProtocol.h"
#include <QAbstractEventDispatcher>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fractional-scale-v1-client-protocol.h>
#include <viewporter-client-protocol.h>
#include <wayland-client.h>

std::unique_ptr<WaylandOverlay> WaylandOverlay::connect() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return nullptr;
    std::unique_ptr<WaylandOverlay> overlay(new WaylandOverlay(display));
    // The globals, then what the outputs say about themselves.
    if (wl_display_roundtrip(display) < 0 || wl_display_roundtrip(display) < 0)
        return nullptr;
    const WaylandGlobals& globals = overlay->m_globals;
    if (!globals.compositor || !globals.shm || !globals.layerShell)
        return nullptr;
    return overlay;
}

WaylandOverlay::WaylandOverlay(wl_display* display)
    : m_display(display) {
    m_registry = wl_display_get_registry(display);
    static const wl_registry_listener listener = {&WaylandOverlay::onGlobal,
                                                  &WaylandOverlay::onGlobalRemove};
    wl_registry_add_listener(m_registry, &listener, this);
}

WaylandOverlay::~WaylandOverlay() {
    m_notifier.reset();
    m_surfaces.clear();
    m_outputs.clear();
    if (m_globals.fractionalScale)
        wp_fractional_scale_manager_v1_destroy(m_globals.fractionalScale);
    if (m_globals.viewporter)
        wp_viewporter_destroy(m_globals.viewporter);
    if (m_globals.layerShell)
        zwlr_layer_shell_v1_destroy(m_globals.layerShell);
    if (m_globals.shm)
        wl_shm_destroy(m_globals.shm);
    if (m_globals.compositor)
        wl_compositor_destroy(m_globals.compositor);
    wl_registry_destroy(m_registry);
    wl_display_disconnect(m_display);
}

void WaylandOverlay::onGlobal(void* data, wl_registry* registry, uint32_t name,
                              const char* interface, uint32_t version) {
    auto* self = static_cast<WaylandOverlay*>(data);
    WaylandGlobals& globals = self->m_globals;
    auto bind = [&](const wl_interface* which, uint32_t highest) {
        return wl_registry_bind(registry, name, which, std::min(version, highest));
    };
    if (std::strcmp(interface, wl_compositor_interface.name) == 0 && !globals.compositor) {
        globals.compositorVersion = std::min(version, 4u);
        globals.compositor = static_cast<wl_compositor*>(bind(&wl_compositor_interface, 4));
    } else if (std::strcmp(interface, wl_shm_interface.name) == 0 && !globals.shm) {
        globals.shm = static_cast<wl_shm*>(bind(&wl_shm_interface, 1));
    } else if (std::strcmp(interface, zwlr_layer_shell_v1_interface.name) == 0 &&
               !globals.layerShell) {
        globals.layerShell =
            static_cast<zwlr_layer_shell_v1*>(bind(&zwlr_layer_shell_v1_interface, 3));
    } else if (std::strcmp(interface, wp_viewporter_interface.name) == 0 && !globals.viewporter) {
        globals.viewporter = static_cast<wp_viewporter*>(bind(&wp_viewporter_interface, 1));
    } else if (std::strcmp(interface, wp_fractional_scale_manager_v1_interface.name) == 0 &&
               !globals.fractionalScale) {
        globals.fractionalScale = static_cast<wp_fractional_scale_manager_v1*>(
            bind(&wp_fractional_scale_manager_v1_interface, 1));
    } else if (std::strcmp(interface, wl_output_interface.name) == 0) {
        auto output = std::make_unique<WaylandOutput>(registry, name, version);
        WaylandOutput& added = *output;
        self->m_outputs[name] = std::move(output);
        // A surface once the output has described itself, and a new scale
        // whenever it changes.
        QObject::connect(&added, &WaylandOutput::changed, self, [self, &added] {
            auto surface = self->m_surfaces.find(added.globalName());
            if (surface != self->m_surfaces.end())
                surface->second->setOutputScale(added.scale());
            else if (self->m_shown)
                self->addSurface(added);
        });
    }
}

void WaylandOverlay::onGlobalRemove(void* data, wl_registry*, uint32_t name) {
    auto* self = static_cast<WaylandOverlay*>(data);
    self->m_surfaces.erase(name);
    self->m_outputs.erase(name);
}

void WaylandOverlay::start(OverlaySettings& settings, FrameClock& clock) {
    m_settings = &settings;
    m_clock = &clock;
    m_notifier =
        std::make_unique<QSocketNotifier>(wl_display_get_fd(m_display), QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, this,
                     &WaylandOverlay::readEvents);
    // Requests made anywhere in a turn of the event loop leave before it sleeps.
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     this, &WaylandOverlay::flush);
}

void WaylandOverlay::show() {
    hide();
    m_shown = true;
    for (auto& [name, output] : m_outputs)
        addSurface(*output);
    flush();
}

void WaylandOverlay::hide() {
    m_shown = false;
    m_surfaces.clear();
    flush();
}

QList<NativeOverlay::Surface> WaylandOverlay::surfaces() const {
    QList<Surface> list;
    for (const auto& [name, surface] : m_surfaces)
        list.append({m_outputs.at(name)->name(), surface->size(), surface->scale()});
    return list;
}

QList<ScreenName> WaylandOverlay::outputs() const {
    QList<ScreenName> list;
    for (const auto& [name, output] : m_outputs)
        list.append(output->screenName());
    return list;
}

void WaylandOverlay::addSurface(WaylandOutput& output) {
    if (!m_settings || !wanted(output.screenName()))
        return;
    auto surface = std::make_unique<LayerSurface>(m_globals, output.output(), output.scale(),
                                                  *m_settings, *m_clock);
    const uint32_t name = output.globalName();
    LayerSurface* closing = surface.get();
    // Not inside the compositor's event: the surface is still in use there.
    QObject::connect(
        closing, &LayerSurface::closed, this,
        [this, name, closing] {
            auto found = m_surfaces.find(name);
            if (found != m_surfaces.end() && found->second.get() == closing)
                m_surfaces.erase(found);
        },
        Qt::QueuedConnection);
    m_surfaces[name] = std::move(surface);
}

void WaylandOverlay::readEvents() {
    if (wl_display_dispatch(m_display) < 0) {
        // The compositor is gone or refused a request: nothing more can be drawn.
        std::fprintf(stderr, "retroglimmer: the Wayland connection of the overlay ended (%s)\n",
                     std::strerror(wl_display_get_error(m_display)));
        m_notifier->setEnabled(false);
        QObject::disconnect(QAbstractEventDispatcher::instance(), nullptr, this, nullptr);
    }
}

void WaylandOverlay::flush() {
    if (!m_notifier || !m_notifier->isEnabled())
        return;
    wl_display_dispatch_pending(m_display);
    wl_display_flush(m_display);
}
