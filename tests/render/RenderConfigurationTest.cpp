#include "render/FrameTime.h"
#include "render/OverlayRenderConfiguration.h"
#include "settings/InMemoryPreferenceStore.h"

#include <gtest/gtest.h>

namespace {
using Number = OverlaySettings::Number;

TEST(OverlayRenderConfiguration, DefaultsAreTheSettingsDefaults) {
    OverlaySettings settings(std::make_unique<InMemoryPreferenceStore>());
    EXPECT_EQ(OverlayRenderConfiguration(), OverlayRenderConfiguration::fromSettings(settings));
    EXPECT_EQ(OverlayRenderConfiguration().gridSize, 4.0);
}

TEST(OverlayRenderConfiguration, CopiesEverySettingUnchanged) {
    OverlaySettings settings(std::make_unique<InMemoryPreferenceStore>());
    // Distinct values, some outside the ranges: nothing is clamped on the way.
    double value = 0.5;
    for (int index = 0; index < OverlaySettings::numberCount; ++index) {
        settings.setNumber(static_cast<Number>(index), value);
        value += 1.25;
    }
    settings.setFlickerMode(FlickerMode::jitter);

    const OverlayRenderConfiguration snapshot = OverlayRenderConfiguration::fromSettings(settings);
    const double fields[] = {
        snapshot.gridSize,     snapshot.gridOpacity,      snapshot.scanlineOpacity,
        snapshot.tintHue,      snapshot.tintOpacity,      snapshot.flickerIntensity,
        snapshot.phosphorGlow, snapshot.horizontalDrift,  snapshot.horizontalDriftSpeed,
        snapshot.rollingBand,  snapshot.rollingBandSpeed, snapshot.dustNoise};
    for (int index = 0; index < OverlaySettings::numberCount; ++index)
        EXPECT_EQ(fields[index], settings.number(static_cast<Number>(index))) << index;
    EXPECT_EQ(snapshot.gridSize, 0.5);
    EXPECT_EQ(snapshot.flickerMode, FlickerMode::jitter);

    // A copy, not a view: later changes do not reach it.
    settings.setGridSize(9);
    EXPECT_EQ(snapshot.gridSize, 0.5);
    EXPECT_NE(snapshot, OverlayRenderConfiguration::fromSettings(settings));
}

TEST(FrameTime, CountsSecondsFromTheStartOf2001Utc) {
    using namespace std::chrono;
    const sys_days reference = year{2001} / January / 1;
    EXPECT_EQ(secondsSinceReferenceDate(reference), 0.0);
    EXPECT_EQ(secondsSinceReferenceDate(reference + days{1} + milliseconds{250}), 86400.25);
    EXPECT_EQ(secondsSinceReferenceDate(system_clock::time_point{}), -978307200.0);
    const sys_days later = year{2026} / March / 1;
    EXPECT_EQ(secondsSinceReferenceDate(later + microseconds{500}),
              (later - reference).count() * 86400.0 + 0.0005);

    const double before = secondsSinceReferenceDate(system_clock::now());
    const double now = currentFrameTime();
    EXPECT_GE(now, before);
    EXPECT_LT(now - before, 60.0);
}
} // namespace
