#include "FlickerMode.h"

#include <gtest/gtest.h>
#include <string>
#include <unordered_set>

TEST(FlickerMode, RawValuesRoundTripForEveryCase) {
    for (FlickerMode mode : FlickerMode::allCases()) {
        const auto parsed = FlickerMode::fromRawValue(mode.rawValue());
        ASSERT_TRUE(parsed.has_value()) << mode.rawValue();
        EXPECT_EQ(*parsed, mode);
        EXPECT_EQ(parsed->rawValue(), mode.rawValue());
    }
}

TEST(FlickerMode, OnlyExactLowerCaseRawValuesAreRecognised) {
    for (const char* raw : {"Soft", "PULSE", " jitter", "jitter ", "", "1", "sof", "softer"})
        EXPECT_FALSE(FlickerMode::fromRawValue(raw).has_value()) << '"' << raw << '"';
}

TEST(FlickerMode, CasesComeInFixedOrderWithTheirNames) {
    const auto& all = FlickerMode::allCases();
    ASSERT_EQ(all.size(), 3u);
    const char* raws[] = {"soft", "pulse", "jitter"};
    const char* titles[] = {"Soft", "Pulse", "Jitter"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(all[i].ordinal(), i);
        EXPECT_EQ(all[i].rawValue(), raws[i]);
        EXPECT_EQ(all[i].id(), raws[i]);
        EXPECT_EQ(all[i].title(), titles[i]);
    }
}

TEST(FlickerMode, EqualityAndHashFollowTheRawString) {
    EXPECT_EQ(FlickerMode::soft, FlickerMode::soft);
    EXPECT_NE(FlickerMode::soft, FlickerMode::pulse);
    EXPECT_EQ(std::hash<FlickerMode>{}(FlickerMode::pulse), std::hash<std::string>{}("pulse"));
    std::unordered_set<FlickerMode> set{FlickerMode::soft, FlickerMode::soft, FlickerMode::jitter};
    EXPECT_EQ(set.size(), 2u);
}
