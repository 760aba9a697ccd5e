#pragma once

#include "settings/OverlaySettings.h"
#include "settings/SettingValues.h"

// A flat value copy of the thirteen effect settings, taken once per frame so the
// renderer never reads the live settings object. Taking it is where every value
// is brought into its range, once, so the layers need not defend themselves.
struct OverlayRenderConfiguration : SettingValues {
    // The cell shared by glow, flicker, grid and scanlines.
    double cellSize = gridSize;

    // Every value clamped to its setting's range.
    static OverlayRenderConfiguration from(const SettingValues& values);
    static OverlayRenderConfiguration fromSettings(const OverlaySettings& settings) {
        return from(settings.values());
    }

    bool operator==(const OverlayRenderConfiguration&) const = default;
};
