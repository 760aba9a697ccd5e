#include "tools/FrameToolOptions.h"
#include "settings/LookLibrary.h"
#include "settings/SettingsTable.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {
std::string error;
std::optional<FrameToolOptions> parse(const std::vector<std::string>& arguments) {
    error.clear();
    return FrameToolOptions::parse(arguments, error);
}

// The parse fails and the one-line message contains every given fragment.
void expectError(const std::vector<std::string>& arguments,
                 const std::vector<std::string>& fragments) {
    EXPECT_FALSE(parse(arguments).has_value()) << arguments.back();
    EXPECT_EQ(error.find('\n'), std::string::npos);
    for (const std::string& fragment : fragments)
        EXPECT_NE(error.find(fragment), std::string::npos) << error << " lacks " << fragment;
}

// The required options (with a negative time), then the given ones.
std::vector<std::string> with(std::vector<std::string> extra) {
    extra.insert(extra.begin(), {"--size", "64x48", "--time", "-12.5", "--output", "f.png"});
    return extra;
}

TEST(FrameToolOptions, ReadsSizeTimeOutputAndSettings) {
    const auto options = parse(with({"--set", "gridSize=7", "--set", "flickerMode=jitter", "--set",
                                     "dustNoise=1e-1", "--set", "gridSize=9"}));
    ASSERT_TRUE(options);
    EXPECT_EQ(options->size, QSize(64, 48));
    EXPECT_EQ(options->time, -12.5);
    EXPECT_EQ(options->output, "f.png");
    SettingValues expected;
    expected.gridSize = 9; // the last assignment wins
    expected.flickerMode = FlickerMode::jitter;
    expected.dustNoise = 0.1;
    EXPECT_EQ(options->snapshot, OverlayRenderConfiguration::from(expected))
        << "everything else keeps its default";

    // Every numeric setting is reachable by its property name, into its own field.
    for (int index = 0; index < settingCount; ++index) {
        const Setting setting = static_cast<Setting>(index);
        const std::string name = SettingsTable::of(setting).name;
        const auto set = parse(with({"--set", name + "=0.625"}));
        ASSERT_TRUE(set) << name;
        EXPECT_NE(set->snapshot[setting], OverlayRenderConfiguration()[setting]) << name;
    }

    // A built-in look's values, then later assignments over them.
    const auto looked = parse(with({"--look", "Worn tape", "--set", "gridSize=9"}));
    ASSERT_TRUE(looked);
    SettingValues tape =
        std::ranges::find(LookLibrary::builtIns(), QString("Worn tape"), &Look::name)->values;
    tape.gridSize = 9;
    EXPECT_EQ(looked->snapshot, OverlayRenderConfiguration::from(tape));
}

TEST(FrameToolOptions, RejectsBadOptionsAndValuesNamingThem) {
    expectError(with({"--colour", "red"}), {"--colour"});
    expectError(with({"stray"}), {"stray"});
    expectError({"--size", "64x48", "--time"}, {"--time", "value"});
    expectError({"--time", "1", "--output", "f.png"}, {"--size"});
    expectError({"--size", "64x48", "--output", "f.png"}, {"--time"});
    expectError({"--size", "64x48", "--time", "1"}, {"--output"});
    expectError(with({"--time", "3"}), {"--time", "more than once"});
    for (const std::string size :
         {"64", "64x", "x48", "0x48", "64x-1", "64X48", "6.5x48", "20000x10", "64x48x2"})
        expectError({"--size", size, "--time", "1", "--output", "f.png"}, {"--size", size});
    for (const std::string time : {"nan", "inf", "1s", "", "--output"})
        expectError({"--size", "8x8", "--time", time, "--output", "f.png"}, {"--time"});
    expectError(with({"--set", "gridSize"}), {"gridSize", "NAME=VALUE"});
    expectError(with({"--set", "gridOpacity=half"}), {"gridOpacity", "half"});
    expectError(with({"--look", "Sepia"}), {"--look", "Sepia"});
}
} // namespace
