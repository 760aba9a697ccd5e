#pragma once

#include "settings/FlickerMode.h"

// The twelve numeric effect settings, in the order they are listed and stored.
enum class Setting {
    gridSize,
    gridOpacity,
    scanlineOpacity,
    tintHue,
    tintOpacity,
    flickerIntensity,
    phosphorGlow,
    horizontalDrift,
    horizontalDriftSpeed,
    rollingBand,
    rollingBandSpeed,
    dustNoise,
};
inline constexpr int settingCount = 12;

// The thirteen effect settings as plain values: what the settings object holds
// and what a frame is drawn from. A new value starts at every default.
struct SettingValues {
    SettingValues();

    double gridSize;
    double gridOpacity;
    double scanlineOpacity;
    double tintHue;
    double tintOpacity;
    double flickerIntensity;
    double phosphorGlow;
    double horizontalDrift;
    double horizontalDriftSpeed;
    double rollingBand;
    double rollingBandSpeed;
    double dustNoise;
    FlickerMode flickerMode = FlickerMode::soft;

    double& operator[](Setting setting);
    double operator[](Setting setting) const;

    bool operator==(const SettingValues&) const = default;
};
