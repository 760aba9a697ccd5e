#pragma once

#include "settings/FlickerMode.h"
#include "settings/OverlaySettings.h"

// A flat value copy of the thirteen effect settings, taken once per frame so the
// renderer never reads the live settings object. Values are copied unchanged:
// every floor and ceiling the drawing needs is applied by the renderer.
struct OverlayRenderConfiguration {
    using Number = OverlaySettings::Number;

    double gridSize = OverlaySettings::definition(Number::gridSize).defaultValue;
    double gridOpacity = OverlaySettings::definition(Number::gridOpacity).defaultValue;
    double scanlineOpacity = OverlaySettings::definition(Number::scanlineOpacity).defaultValue;
    double tintHue = OverlaySettings::definition(Number::tintHue).defaultValue;
    double tintOpacity = OverlaySettings::definition(Number::tintOpacity).defaultValue;
    double flickerIntensity = OverlaySettings::definition(Number::flickerIntensity).defaultValue;
    FlickerMode flickerMode = FlickerMode::soft;
    double phosphorGlow = OverlaySettings::definition(Number::phosphorGlow).defaultValue;
    double horizontalDrift = OverlaySettings::definition(Number::horizontalDrift).defaultValue;
    double horizontalDriftSpeed =
        OverlaySettings::definition(Number::horizontalDriftSpeed).defaultValue;
    double rollingBand = OverlaySettings::definition(Number::rollingBand).defaultValue;
    double rollingBandSpeed = OverlaySettings::definition(Number::rollingBandSpeed).defaultValue;
    double dustNoise = OverlaySettings::definition(Number::dustNoise).defaultValue;

    // Reads the thirteen settings in field order.
    static OverlayRenderConfiguration fromSettings(const OverlaySettings& settings);

    bool operator==(const OverlayRenderConfiguration&) const = default;
};
