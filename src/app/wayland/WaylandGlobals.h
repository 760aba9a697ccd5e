#pragma once

struct wl_compositor;
struct wl_shm;
struct zwlr_layer_shell_v1;
struct wp_viewporter;
struct wp_fractional_scale_manager_v1;

// The compositor's objects every overlay surface is made from.
struct WaylandGlobals {
    wl_compositor* compositor = nullptr;
    unsigned compositorVersion = 0;
    wl_shm* shm = nullptr;
    zwlr_layer_shell_v1* layerShell = nullptr;
    // Both or neither used: fractional scales need the viewport to size buffers.
    wp_viewporter* viewporter = nullptr;
    wp_fractional_scale_manager_v1* fractionalScale = nullptr;
};
