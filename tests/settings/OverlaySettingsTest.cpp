#include "settings/OverlaySettings.h"
#include "settings/InMemoryPreferenceStore.h"
#include "settings/SettingsTable.h"

#include <QSignalSpy>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace {

// Signals emitted, by signature, with how many times.
using Emissions = QMap<QByteArray, qsizetype>;

// Settings over an in-memory store pre-filled with the given values, recording
// every signal.
struct Fixture {
    InMemoryPreferenceStore* store = nullptr;
    std::unique_ptr<OverlaySettings> settings;
    std::vector<std::unique_ptr<QSignalSpy>> spies;

    explicit Fixture(const QVariantMap& stored = {}) {
        auto owned = std::make_unique<InMemoryPreferenceStore>();
        store = owned.get();
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            store->setStoredValue(it.key(), it.value());
        settings = std::make_unique<OverlaySettings>(std::move(owned));
        const QMetaObject& meta = OverlaySettings::staticMetaObject;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
            if (meta.method(i).methodType() == QMetaMethod::Signal)
                spies.push_back(std::make_unique<QSignalSpy>(settings.get(), meta.method(i)));
    }
    // What was emitted since the last call.
    Emissions emitted() {
        Emissions result;
        for (const auto& spy : spies) {
            if (!spy->isEmpty())
                result.insert(spy->signal(), spy->count());
            spy->clear();
        }
        return result;
    }
    QVariant stored(const char* key) const { return store->storedValues().value(key); }
};

// The defaults themselves are pinned where the panel shows them.
void expectDefaults(const OverlaySettings& s) {
    EXPECT_EQ(s.values(), SettingValues());
    EXPECT_FALSE(s.isEnabled());
}
} // namespace

TEST(OverlaySettingsLoad, ClampsWhatItLoadsLeavesTheStoreAloneAndTakesOnlyExactModeNames) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, double> gridSizes[] = {
        {1.5, 2}, {47.5, 47.5}, {100, 48}, {-inf, 2}, {inf, 48}, {-0.0, 2}, {std::nan(""), 4}};
    for (auto [stored, loaded] : gridSizes)
        EXPECT_EQ(Fixture({{"overlay.gridSize", stored}}).settings->value(Setting::gridSize),
                  loaded)
            << stored;

    Fixture f({{"overlay.gridOpacity", -0.2}, {"overlay.dustNoise", 1.5}});
    EXPECT_EQ(f.settings->value(Setting::gridOpacity), 0.0);
    EXPECT_EQ(f.settings->value(Setting::dustNoise), 1.0);
    EXPECT_EQ(f.stored("overlay.gridOpacity").toDouble(), -0.2);
    EXPECT_EQ(f.stored("overlay.dustNoise").toDouble(), 1.5);
    // Assignments are stored as given; only the next load clamps.
    f.settings->setValue(Setting::dustNoise, 0.25);
    f.settings->setValue(Setting::gridOpacity, 7.0);
    EXPECT_EQ(f.stored("overlay.dustNoise").toDouble(), 0.25);
    EXPECT_EQ(f.settings->value(Setting::gridOpacity), 7.0);
    EXPECT_EQ(Fixture(f.store->storedValues()).settings->value(Setting::gridOpacity), 1.0);

    // The mode only from its exact name.
    const std::pair<QVariant, FlickerMode> modes[] = {
        {"jitter", FlickerMode::jitter}, {"pulse", FlickerMode::pulse},
        {"Jitter", FlickerMode::soft},   {"", FlickerMode::soft},
        {2.0, FlickerMode::soft},        {" pulse", FlickerMode::soft},
        {"jitters", FlickerMode::soft}};
    for (const auto& [stored, mode] : modes)
        EXPECT_EQ(Fixture({{"overlay.flickerMode", stored}}).settings->flickerMode(), mode)
            << stored.toString().toStdString();
}

TEST(OverlaySettingsAssign, EveryAssignmentIsWrittenButOnlyAChangeIsNotified) {
    Fixture f;
    OverlaySettings* s = f.settings.get();
    s->setValue(Setting::gridSize, 4.0);
    s->setValue(Setting::scanlineOpacity, -0.0); // equals 0
    s->setFlickerMode(FlickerMode::soft);
    s->setIsEnabled(false);
    EXPECT_EQ(f.emitted(), Emissions());

    s->setValue(Setting::gridSize, 9.0);
    s->setFlickerMode(FlickerMode::pulse);
    s->setIsEnabled(true);
    s->setIsEnabled(true);
    EXPECT_EQ(f.emitted(), (Emissions{{"valueChanged(Setting)", 1},
                                      {"flickerModeChanged()", 1},
                                      {"isEnabledChanged()", 1},
                                      {"effectSettingsChanged()", 2}}));
    EXPECT_EQ(f.store->writeCount("overlay.gridSize"), 2);
    EXPECT_EQ(f.store->writeCount("overlay.flickerMode"), 2);
    // Construction stored false once, then three assignments.
    EXPECT_EQ(f.store->writeCount("overlay.isEnabled"), 4);
    EXPECT_EQ(f.stored("overlay.flickerMode"), QVariant("pulse"));
}

// A stored switch-on is not honoured: the program starts with the overlay off.
TEST(OverlaySettingsReset, FromDefaultsWritesEveryKeySilentlyFromChangesNotifiesEachOnce) {
    Fixture f({{"overlay.isEnabled", true}});
    OverlaySettings* s = f.settings.get();
    expectDefaults(*s);
    EXPECT_EQ(f.store->storedValues(), (QVariantMap{{"overlay.isEnabled", false}}));
    s->resetToDefaults();
    EXPECT_EQ(f.emitted(), Emissions());
    EXPECT_EQ(f.store->storedValues().keys().join(' '), // sorted
              "overlay.dustNoise overlay.flickerIntensity overlay.flickerMode overlay.gridOpacity "
              "overlay.gridSize overlay.horizontalDrift overlay.horizontalDriftSpeed "
              "overlay.isEnabled overlay.phosphorGlow overlay.rollingBand overlay.rollingBandSpeed "
              "overlay.scanlineOpacity overlay.tintHue overlay.tintOpacity");

    s->setIsEnabled(true);
    s->setValue(Setting::gridSize, 12);
    s->setValue(Setting::dustNoise, 0.8);
    s->setFlickerMode(FlickerMode::jitter);
    f.emitted();
    s->resetToDefaults();
    expectDefaults(*s);
    EXPECT_EQ(f.emitted(), (Emissions{{"isEnabledChanged()", 1},
                                      {"valueChanged(Setting)", 2},
                                      {"flickerModeChanged()", 1},
                                      {"effectSettingsChanged()", 3}}));
    expectDefaults(*Fixture(f.store->storedValues()).settings);
}
