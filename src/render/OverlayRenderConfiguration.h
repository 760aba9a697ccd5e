#pragma once

#include "FlickerMode.h"
#include "OverlaySettings.h"

// A flat value copy of the thirteen effect settings, taken once per frame so the
// renderer never reads the live settings object. Values are copied unchanged:
// every floor and ceiling the drawing needs is applied by the renderer.
struct OverlayRenderConfiguration {
    using Number = OverlaySettings::Number;

    double gridSize = OverlaySettings::spec(Number::gridSize).defaultValue;
    double gridOpacity = OverlaySettings::spec(Number::gridOpacity).defaultValue;
    double scanlineOpacity = OverlaySettings::spec(Number::scanlineOpacity).defaultValue;
    double tintHue = OverlaySettings::spec(Number::tintHue).defaultValue;
    double tintOpacity = OverlaySettings::spec(Number::tintOpacity).defaultValue;
    double flickerIntensity = OverlaySettings::spec(Number::flickerIntensity).defaultValue;
    FlickerMode flickerMode = FlickerMode::soft;
    double phosphorGlow = OverlaySettings::spec(Number::phosphorGlow).defaultValue;
    double horizontalDrift = OverlaySettings::spec(Number::horizontalDrift).defaultValue;
    double horizontalDriftSpeed = OverlaySettings::spec(Number::horizontalDriftSpeed).defaultValue;
    double rollingBand = OverlaySettings::spec(Number::rollingBand).defaultValue;
    double rollingBandSpeed = OverlaySettings::spec(Number::rollingBandSpeed).defaultValue;
    double dustNoise = OverlaySettings::spec(Number::dustNoise).defaultValue;

    // Reads the thirteen settings in field order.
    static OverlayRenderConfiguration fromSettings(const OverlaySettings& settings);

    bool operator==(const OverlayRenderConfiguration&) const = default;
};
