#include "OverlaySettings.h"
#include "InMemoryPreferenceStore.h"
#include "QSettingsPreferenceStore.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace {
using Number = OverlaySettings::Number;

// Builds settings over an in-memory store pre-filled with the given values and
// keeps a handle on the store and the visibility requests.
struct Fixture {
    InMemoryPreferenceStore* store = nullptr;
    std::unique_ptr<OverlaySettings> settings;
    std::vector<bool> requests;

    explicit Fixture(const QVariantMap& stored = {}) {
        auto owned = std::make_unique<InMemoryPreferenceStore>();
        store = owned.get();
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            store->setStoredValue(it.key(), it.value());
        settings = std::make_unique<OverlaySettings>(std::move(owned));
        settings->setVisibilityRequestHandler([this](bool v) {
            // The request must come after the value is persisted.
            EXPECT_EQ(store->storedValues().value("overlay.isEnabled").toBool(), v);
            requests.push_back(v);
        });
    }
};

double loadedGridSize(const QVariant& stored) {
    return Fixture({{"overlay.gridSize", stored}}).settings->gridSize();
}

const char* const kAllKeys[] = {"overlay.isEnabled",
                                "overlay.gridSize",
                                "overlay.gridOpacity",
                                "overlay.scanlineOpacity",
                                "overlay.tintHue",
                                "overlay.tintOpacity",
                                "overlay.flickerIntensity",
                                "overlay.flickerMode",
                                "overlay.phosphorGlow",
                                "overlay.horizontalDrift",
                                "overlay.horizontalDriftSpeed",
                                "overlay.rollingBand",
                                "overlay.rollingBandSpeed",
                                "overlay.dustNoise"};

void expectDefaults(const OverlaySettings& s) {
    EXPECT_FALSE(s.isEnabled());
    EXPECT_EQ(s.gridSize(), 4.0);
    EXPECT_EQ(s.gridOpacity(), 0.3);
    EXPECT_EQ(s.scanlineOpacity(), 0.0);
    EXPECT_EQ(s.tintHue(), 0.33);
    EXPECT_EQ(s.tintOpacity(), 0.0);
    EXPECT_EQ(s.flickerIntensity(), 0.0);
    EXPECT_EQ(s.flickerMode(), FlickerMode::soft);
    EXPECT_EQ(s.phosphorGlow(), 0.0);
    EXPECT_EQ(s.horizontalDrift(), 0.0);
    EXPECT_EQ(s.horizontalDriftSpeed(), 0.5);
    EXPECT_EQ(s.rollingBand(), 0.0);
    EXPECT_EQ(s.rollingBandSpeed(), 0.5);
    EXPECT_EQ(s.dustNoise(), 0.0);
}
} // namespace

TEST(OverlaySettingsLoad, EmptyStoreGivesDefaultsAndStoresOnlyTheSwitch) {
    Fixture f;
    expectDefaults(*f.settings);
    EXPECT_EQ(f.store->storedValues(), (QVariantMap{{"overlay.isEnabled", false}}));
    EXPECT_TRUE(f.requests.empty());
}

TEST(OverlaySettingsLoad, StoredSwitchOnStartsOffWithoutAskingForVisibility) {
    Fixture f({{"overlay.isEnabled", true}});
    EXPECT_FALSE(f.settings->isEnabled());
    EXPECT_EQ(f.store->storedValues().value("overlay.isEnabled"), QVariant(false));
    EXPECT_TRUE(f.requests.empty());
}

TEST(OverlaySettingsLoad, GridSizeIsClampedToItsRange) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, double> table[] = {{0, 2},       {1.5, 2},  {2, 2},
                                               {47.5, 47.5}, {48, 48},  {100, 48},
                                               {-inf, 2},    {inf, 48}, {-0.0, 2}};
    for (auto [stored, loaded] : table)
        EXPECT_EQ(loadedGridSize(stored), loaded) << "stored " << stored;
}

TEST(OverlaySettingsLoad, NonNumericOrNanNumbersLoadSafely) {
    // No numeric reading reads as 0, which clamps to the lower bound.
    EXPECT_EQ(loadedGridSize(QStringLiteral("huge")), 2.0);
    // NaN passes no comparison: it must not reach the renderer.
    EXPECT_EQ(loadedGridSize(std::numeric_limits<double>::quiet_NaN()), 4.0);
    EXPECT_EQ(loadedGridSize(QStringLiteral("nan")), 4.0);
    Fixture f({{"overlay.tintHue", std::nan("")}, {"overlay.rollingBandSpeed", "1e999"}});
    EXPECT_EQ(f.settings->tintHue(), 0.33);
    EXPECT_EQ(f.settings->rollingBandSpeed(), 0.0);
}

TEST(OverlaySettingsLoad, OutOfRangeValuesStayInTheStoreUntilAssigned) {
    Fixture f({{"overlay.gridOpacity", -0.2}, {"overlay.dustNoise", 1.5}});
    EXPECT_EQ(f.settings->gridOpacity(), 0.0);
    EXPECT_EQ(f.settings->dustNoise(), 1.0);
    EXPECT_EQ(f.store->storedValues().value("overlay.gridOpacity").toDouble(), -0.2);
    EXPECT_EQ(f.store->storedValues().value("overlay.dustNoise").toDouble(), 1.5);
    f.settings->setDustNoise(0.25);
    EXPECT_EQ(f.store->storedValues().value("overlay.dustNoise").toDouble(), 0.25);
}

TEST(OverlaySettingsLoad, FlickerModeStrings) {
    const std::pair<QVariant, FlickerMode> table[] = {
        {QStringLiteral("jitter"), FlickerMode::jitter},
        {QStringLiteral("pulse"), FlickerMode::pulse},
        {QStringLiteral("Jitter"), FlickerMode::soft},
        {QStringLiteral(""), FlickerMode::soft},
        {QVariant(2.0), FlickerMode::soft},
        {QStringLiteral("2"), FlickerMode::soft}};
    for (const auto& [stored, loaded] : table) {
        Fixture f({{"overlay.flickerMode", stored}});
        EXPECT_EQ(f.settings->flickerMode(), loaded) << stored.toString().toStdString();
    }
}

TEST(OverlaySettingsAssign, EqualValueIsWrittenButNotNotified) {
    Fixture f;
    QSignalSpy gridSpy(f.settings.get(), &OverlaySettings::gridSizeChanged);
    QSignalSpy dustSpy(f.settings.get(), &OverlaySettings::dustNoiseChanged);
    f.settings->setGridSize(4.0);
    EXPECT_EQ(f.store->writeCount("overlay.gridSize"), 1);
    EXPECT_EQ(gridSpy.count(), 0);

    f.settings->setGridSize(9.0);
    EXPECT_EQ(f.store->writeCount("overlay.gridSize"), 2);
    EXPECT_EQ(gridSpy.count(), 1);
    EXPECT_EQ(dustSpy.count(), 0);

    // Negative zero equals zero: no notification.
    QSignalSpy scanSpy(f.settings.get(), &OverlaySettings::scanlineOpacityChanged);
    f.settings->setScanlineOpacity(-0.0);
    EXPECT_EQ(scanSpy.count(), 0);

    QSignalSpy modeSpy(f.settings.get(), &OverlaySettings::flickerModeChanged);
    f.settings->setFlickerMode(FlickerMode::soft);
    f.settings->setFlickerMode(FlickerMode::pulse);
    EXPECT_EQ(modeSpy.count(), 1);
    EXPECT_EQ(f.store->writeCount("overlay.flickerMode"), 2);
    EXPECT_EQ(f.store->storedValues().value("overlay.flickerMode"), QVariant("pulse"));
}

TEST(OverlaySettingsAssign, ValuesAreStoredUnclampedAndLoadClampedNextTime) {
    Fixture f;
    f.settings->setGridOpacity(7.0);
    EXPECT_EQ(f.settings->gridOpacity(), 7.0);
    EXPECT_EQ(f.store->storedValues().value("overlay.gridOpacity").toDouble(), 7.0);
    Fixture next(f.store->storedValues());
    EXPECT_EQ(next.settings->gridOpacity(), 1.0);
}

TEST(OverlaySettingsAssign, EverySwitchAssignmentAsksForVisibility) {
    Fixture f;
    QSignalSpy spy(f.settings.get(), &OverlaySettings::isEnabledChanged);
    f.settings->setIsEnabled(true);
    f.settings->setIsEnabled(true);
    EXPECT_EQ(f.requests, (std::vector<bool>{true, true}));
    EXPECT_EQ(spy.count(), 1);
    // Construction stored false once; the two assignments stored true twice.
    EXPECT_EQ(f.store->writeCount("overlay.isEnabled"), 3);
}

TEST(OverlaySettingsReset, FromChangedStateRestoresAndNotifiesEachChangedPropertyOnce) {
    Fixture f;
    f.settings->setIsEnabled(true);
    f.settings->setGridSize(12);
    f.settings->setDustNoise(0.8);
    f.settings->setFlickerMode(FlickerMode::jitter);
    f.requests.clear();

    QSignalSpy grid(f.settings.get(), &OverlaySettings::gridSizeChanged);
    QSignalSpy dust(f.settings.get(), &OverlaySettings::dustNoiseChanged);
    QSignalSpy mode(f.settings.get(), &OverlaySettings::flickerModeChanged);
    QSignalSpy tint(f.settings.get(), &OverlaySettings::tintHueChanged);
    f.settings->resetToDefaults();

    expectDefaults(*f.settings);
    EXPECT_EQ(f.requests, std::vector<bool>{false});
    EXPECT_EQ(grid.count(), 1);
    EXPECT_EQ(dust.count(), 1);
    EXPECT_EQ(mode.count(), 1);
    EXPECT_EQ(tint.count(), 0);
    Fixture reloaded(f.store->storedValues());
    expectDefaults(*reloaded.settings);
}

TEST(OverlaySettingsReset, FromDefaultsWritesAllKeysWithoutNotifying) {
    Fixture f;
    QSignalSpy any(f.settings.get(), &OverlaySettings::effectSettingsChanged);
    QSignalSpy enabled(f.settings.get(), &OverlaySettings::isEnabledChanged);
    f.settings->resetToDefaults();
    EXPECT_EQ(any.count(), 0);
    EXPECT_EQ(enabled.count(), 0);
    EXPECT_EQ(f.requests, std::vector<bool>{false});
    for (const char* key : kAllKeys)
        EXPECT_TRUE(f.store->storedValues().contains(key)) << key;
    EXPECT_EQ(f.store->storedValues().size(), int(std::size(kAllKeys)));
}

TEST(OverlaySettingsPersistence, RoundTripThroughARealSettingsFile) {
    QTemporaryDir dir;
    const QString file = dir.filePath("retroglimmer.conf");
    {
        OverlaySettings s(std::make_unique<QSettingsPreferenceStore>(file));
        s.setGridOpacity(0.29);
        s.setTintHue(0.57);
        s.setGridSize(4.7);
        s.setFlickerMode(FlickerMode::pulse);
        s.setIsEnabled(true);
    }
    OverlaySettings s(std::make_unique<QSettingsPreferenceStore>(file));
    EXPECT_EQ(s.gridOpacity(), 0.29);
    EXPECT_EQ(s.tintHue(), 0.57);
    EXPECT_EQ(s.gridSize(), 4.7);
    EXPECT_EQ(s.flickerMode(), FlickerMode::pulse);
    EXPECT_FALSE(s.isEnabled());
}
