#include "render/FrameTime.h"
#include "render/OverlayRenderConfiguration.h"
#include "settings/InMemoryPreferenceStore.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {
// Assignment keeps what it is given; the snapshot brings it into range and
// carries the cell size the layers share.
TEST(OverlayRenderConfiguration, ClampsOnceWhereTheSnapshotIsTaken) {
    OverlaySettings settings(std::make_unique<InMemoryPreferenceStore>());
    const struct {
        Setting setting;
        double assigned, taken;
    } cases[] = {{Setting::gridSize, 1, 2},
                 {Setting::gridSize, 60, 48},
                 {Setting::gridSize, std::nan(""), 4},
                 {Setting::gridOpacity, 1.5, 1},
                 {Setting::dustNoise, -0.5, 0},
                 {Setting::tintHue, 0.25, 0.25}};
    for (const auto& c : cases) {
        settings.setValue(c.setting, c.assigned);
        const auto snapshot = OverlayRenderConfiguration::fromSettings(settings);
        EXPECT_EQ(snapshot[c.setting], c.taken) << c.assigned;
        if (c.setting == Setting::gridSize) {
            EXPECT_EQ(snapshot.cellSize, c.taken);
        }
        EXPECT_EQ(settings.value(c.setting) == c.assigned, !std::isnan(c.assigned));
    }
}

TEST(FrameTime, CountsSecondsFromTheStartOf2001Utc) {
    using namespace std::chrono;
    const sys_days reference = year{2001} / January / 1;
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
