#include "app/wayland/WaylandOutput.h"

#include <algorithm>
#include <wayland-client.h>

WaylandOutput::WaylandOutput(wl_registry* registry, uint32_t globalName, uint32_t version)
    : m_output(static_cast<wl_output*>(wl_registry_bind(registry, globalName, &wl_output_interface,
                                                        std::min<uint32_t>(version, 4))))
    , m_globalName(globalName) {
    static const wl_output_listener listener = {
        &WaylandOutput::onGeometry, &WaylandOutput::onMode, &WaylandOutput::onDone,
        &WaylandOutput::onScale,    &WaylandOutput::onName, &WaylandOutput::onDescription};
    wl_output_add_listener(m_output, &listener, this);
}

WaylandOutput::~WaylandOutput() {
    if (wl_output_get_version(m_output) >= WL_OUTPUT_RELEASE_SINCE_VERSION)
        wl_output_release(m_output);
    else
        wl_output_destroy(m_output);
}

void WaylandOutput::onGeometry(void* data, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t,
                               const char* make, const char* model, int32_t) {
    auto* self = static_cast<WaylandOutput*>(data);
    self->m_name.maker = QString::fromUtf8(make);
    self->m_name.model = QString::fromUtf8(model);
}

void WaylandOutput::onMode(void*, wl_output*, uint32_t, int32_t, int32_t, int32_t) {}

void WaylandOutput::onDone(void* data, wl_output*) {
    auto* self = static_cast<WaylandOutput*>(data);
    self->m_scale = self->m_pendingScale;
    emit self->changed();
}

void WaylandOutput::onScale(void* data, wl_output*, int32_t factor) {
    static_cast<WaylandOutput*>(data)->m_pendingScale = std::max(1, factor);
}

void WaylandOutput::onName(void* data, wl_output*, const char* name) {
    static_cast<WaylandOutput*>(data)->m_name.connector = QString::fromUtf8(name);
}

void WaylandOutput::onDescription(void*, wl_output*, const char*) {}
