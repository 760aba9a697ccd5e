#include "render/OverlayRenderConfiguration.h"

OverlayRenderConfiguration
OverlayRenderConfiguration::fromSettings(const OverlaySettings& settings) {
    // Designated initialisers evaluate in field order, so the getters are read in
    // exactly that order too.
    return OverlayRenderConfiguration{
        .gridSize = settings.gridSize(),
        .gridOpacity = settings.gridOpacity(),
        .scanlineOpacity = settings.scanlineOpacity(),
        .tintHue = settings.tintHue(),
        .tintOpacity = settings.tintOpacity(),
        .flickerIntensity = settings.flickerIntensity(),
        .flickerMode = settings.flickerMode(),
        .phosphorGlow = settings.phosphorGlow(),
        .horizontalDrift = settings.horizontalDrift(),
        .horizontalDriftSpeed = settings.horizontalDriftSpeed(),
        .rollingBand = settings.rollingBand(),
        .rollingBandSpeed = settings.rollingBandSpeed(),
        .dustNoise = settings.dustNoise(),
    };
}
