#include "settings/LookLibrary.h"
#include "settings/InMemoryPreferenceStore.h"
#include "settings/OverlaySettings.h"
#include "settings/QSettingsPreferenceStore.h"
#include "settings/SettingsTable.h"
#include "support/TestFiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Each built-in look differs from the defaults where it says it does, and
// applying it reaches every setting through its setter: values held, stored,
// observed, with the switch left as it was. Each is then the one ticked.
TEST(LookLibrary, ApplyingALookAssignsExactlyTheThirteenValues) {
    auto* store = new InMemoryPreferenceStore;
    OverlaySettings settings{std::unique_ptr<PreferenceStore>(store)};
    LookLibrary looks(settings);
    settings.setIsEnabled(true);
    ASSERT_EQ(LookLibrary::builtIns().size(), 6);
    EXPECT_EQ(looks.currentName(), "Grid");

    for (const Look& look : LookLibrary::builtIns()) {
        QSignalSpy changes(&settings, &OverlaySettings::effectSettingsChanged);
        const SettingValues before = settings.values();
        ASSERT_TRUE(looks.apply(look.name));
        EXPECT_EQ(settings.values(), look.values) << look.name.toStdString();
        int differing = look.values.flickerMode == before.flickerMode ? 0 : 1;
        for (const SettingDefinition& definition : SettingsTable::all()) {
            const double value = look.values[definition.setting];
            EXPECT_EQ(store->storedValues().value(definition.key()).toDouble(), value);
            EXPECT_EQ(definition.clamped(value), value) << definition.name;
            differing += value == before[definition.setting] ? 0 : 1;
        }
        EXPECT_EQ(changes.count(), differing) << look.name.toStdString();
        EXPECT_TRUE(settings.isEnabled());
        EXPECT_EQ(looks.currentName(), look.name);
    }
    settings.setValue(Setting::gridSize, settings.value(Setting::gridSize) + 1);
    EXPECT_EQ(looks.currentName(), QString());
    EXPECT_FALSE(looks.apply("No such look"));
}

struct LookFile : ::testing::Test {
    QTemporaryDir dir;
    QString file = dir.filePath("retroglimmer.conf");

    // A fresh start of the program over the same file.
    struct Run {
        explicit Run(const QString& file)
            : settings(std::make_unique<QSettingsPreferenceStore>(file)) {}
        OverlaySettings settings;
        LookLibrary looks{settings};
    };
};

TEST_F(LookFile, SavedRenamedAndDeletedLooksSurviveARestart) {
    {
        Run run(file);
        run.settings.setValue(Setting::gridSize, 7);
        run.settings.setFlickerMode(FlickerMode::pulse);
        EXPECT_TRUE(run.looks.saveCurrent("  Late night  "));
        run.settings.setValue(Setting::gridSize, 9);
        EXPECT_TRUE(run.looks.saveCurrent("Other"));
        // Built-in looks keep their names and cannot be changed.
        EXPECT_FALSE(run.looks.saveCurrent("green PHOSPHOR"));
        EXPECT_FALSE(run.looks.saveCurrent(" "));
        EXPECT_FALSE(run.looks.rename("Grid", "Mine"));
        EXPECT_FALSE(run.looks.rename("Other", "Arcade"));
        EXPECT_FALSE(run.looks.rename("Other", "late night"));
        EXPECT_FALSE(run.looks.remove("Grid"));
        EXPECT_EQ(run.looks.currentName(), "Other");
    }
    {
        Run run(file);
        ASSERT_EQ(run.looks.saved().size(), 2);
        const std::optional<Look> night = run.looks.find("Late night");
        ASSERT_TRUE(night);
        EXPECT_EQ(night->values.gridSize, 7);
        EXPECT_EQ(night->values.flickerMode, FlickerMode::pulse);
        // Separators of the file's keys are fine in a name.
        EXPECT_TRUE(run.looks.rename("Late night", "Night/day \\ 100%"));
        EXPECT_TRUE(run.looks.remove("Other"));
    }
    {
        Run run(file);
        ASSERT_EQ(run.looks.saved().size(), 1);
        ASSERT_TRUE(run.looks.apply("Night/day \\ 100%"));
        EXPECT_EQ(run.settings.value(Setting::gridSize), 7);
        EXPECT_TRUE(run.looks.remove("Night/day \\ 100%"));
    }
    Run run(file);
    EXPECT_TRUE(run.looks.saved().isEmpty());
    EXPECT_FALSE(readFile(file).contains("looks")) << "a removed look left keys behind";
}

// Keys missing, numbers out of range or unreadable, an unknown mode: the look
// loads with defaults and clamped values, and the program starts.
TEST_F(LookFile, ADamagedLookEntryLoadsClamped) {
    ASSERT_TRUE(writeFile(file,
                          "[looks]\nBad\\gridSize=100\nBad\\gridOpacity=-3\nBad\\tintHue=green\n"
                          "Bad\\dustNoise=nan\nBad\\flickerMode=Jitter\nstray=1\n"
                          "Grid\\gridSize=9\n"));
    Run run(file);
    ASSERT_EQ(run.looks.saved().size(), 1);
    EXPECT_EQ(run.looks.saved().first().name, "Bad");
    SettingValues expected;
    expected.gridSize = 48;
    expected.gridOpacity = 0;
    expected.tintHue = 0;
    EXPECT_EQ(run.looks.saved().first().values, expected);
    // The built-in look of that name is not overridden by the file.
    EXPECT_EQ(run.looks.find("Grid")->values.gridSize, 4);
}
} // namespace
