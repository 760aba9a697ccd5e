#include "app/CommandRunner.h"
#include "settings/InMemoryPreferenceStore.h"
#include "settings/LookLibrary.h"
#include "settings/OverlaySettings.h"

#include <gtest/gtest.h>

namespace {
struct Runner {
    InMemoryPreferenceStore* store = new InMemoryPreferenceStore;
    OverlaySettings settings{std::unique_ptr<PreferenceStore>(store)};
    int panelsShown = 0;
    LookLibrary looks{settings};
    CommandRunner runner{settings, looks, [this] { ++panelsShown; }};
};
} // namespace

// Each request as the channel carries it, what it answers, and what it leaves
// in the store, where the panel's own changes go too.
TEST(CommandRunner, AppliesRequestsAsThePanelWould) {
    Runner t;
    EXPECT_EQ(t.runner.run(QByteArrayList{"on", "set gridSize=8", "set flickerMode=jitter"}),
              QByteArrayList{"ok"});
    EXPECT_TRUE(t.settings.isEnabled());
    EXPECT_EQ(t.store->storedValues().value("overlay.isEnabled"), true);
    EXPECT_EQ(t.store->storedValues().value("overlay.gridSize"), 8.0);
    EXPECT_EQ(t.settings.flickerMode(), FlickerMode::jitter);

    EXPECT_EQ(t.runner.run(QByteArrayList{"toggle", "get gridSize", "get flickerMode"}),
              QByteArrayList({"gridSize=8", "flickerMode=jitter", "ok"}));
    EXPECT_FALSE(t.settings.isEnabled());
    EXPECT_EQ(t.runner.run(QByteArrayList{"toggle", "show"}), QByteArrayList{"ok"});
    EXPECT_TRUE(t.settings.isEnabled());
    EXPECT_EQ(t.panelsShown, 1);

    // A look first, then what is set on top of it.
    EXPECT_EQ(t.runner.run(QByteArrayList{"look Scanlines only", "set scanlineOpacity=0.25"}),
              QByteArrayList{"ok"});
    EXPECT_EQ(t.store->storedValues().value("overlay.gridOpacity"), 0.0);
    EXPECT_EQ(t.store->storedValues().value("overlay.scanlineOpacity"), 0.25);

    const QByteArrayList all = t.runner.run(QByteArrayList{"reset", "get"});
    EXPECT_FALSE(t.settings.isEnabled());
    EXPECT_EQ(t.settings.value(Setting::gridSize), 4);
    EXPECT_EQ(all.size(), 15);
    EXPECT_EQ(all.first(), "isEnabled=false");
    EXPECT_TRUE(all.contains("gridOpacity=0.3"));
}

TEST(CommandRunner, ABadCommandAppliesNothingOfItsRequest) {
    Runner t;
    // Each after a good one, which must not apply either.
    for (const char* bad : {"set gridSize=80", "set gridSize=-1", "set gridSize=nan",
                            "set isEnabled=1", "set gridSize", "get gridsize", "set", "on now",
                            "explode", "set flickerMode=Soft", "look", "look No such look"}) {
        const QByteArrayList answer = t.runner.run(QByteArrayList{"on", bad});
        ASSERT_EQ(answer.size(), 1) << bad;
        EXPECT_TRUE(answer.first().startsWith("error: ")) << answer.first().constData();
        EXPECT_FALSE(CommandRunner::succeeded(answer));
    }
    EXPECT_FALSE(t.settings.isEnabled());
    EXPECT_EQ(t.store->writeCount("overlay.gridSize"), 0);
    EXPECT_EQ(t.runner.run(QByteArrayList{"set gridSize=80"}).first(),
              "error: invalid value '80' for gridSize: expected a number from 2 to 48");
}
