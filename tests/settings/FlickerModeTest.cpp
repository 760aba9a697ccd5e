#include "settings/FlickerMode.h"

#include <gtest/gtest.h>
#include <string>

// Rejected raw strings are covered where the store is read (OverlaySettingsTest).
TEST(FlickerMode, CasesInOrderWithRawValuesTitlesAndTheHashOfTheirRawString) {
    const char* raws[] = {"soft", "pulse", "jitter"};
    const char* titles[] = {"Soft", "Pulse", "Jitter"};
    ASSERT_EQ(FlickerMode::allCases().size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const FlickerMode mode = FlickerMode::allCases()[std::size_t(i)];
        EXPECT_EQ(mode.ordinal(), i);
        EXPECT_EQ(mode.rawValue(), raws[i]);
        EXPECT_EQ(mode.title(), titles[i]);
        EXPECT_EQ(FlickerMode::fromRawValue(raws[i]), mode);
        EXPECT_EQ(std::hash<FlickerMode>{}(mode), std::hash<std::string>{}(raws[i]));
    }
    EXPECT_FALSE(FlickerMode::soft == FlickerMode::pulse);
}
