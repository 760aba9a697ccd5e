#include "settings/OverlaySettings.h"
#include "settings/QSettingsPreferenceStore.h"
#include "settings/SettingsTable.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Settings over a real file in a temporary directory. Whatever lies in the file,
// the program starts with values inside their ranges, and keeps accepting (and,
// where possible, writing) changes.
namespace {
struct HostileFile : ::testing::Test {
    QTemporaryDir dir;
    QString file = dir.filePath("retroglimmer.conf");

    void write(const QByteArray& bytes) { ASSERT_TRUE(writeFile(file, bytes)); }
    std::unique_ptr<OverlaySettings> open() const {
        return std::make_unique<OverlaySettings>(std::make_unique<QSettingsPreferenceStore>(file));
    }

    // Every value is valid at start, and changes reach the next start exactly.
    void expectValidStartAndWorkingStore() {
        {
            const auto s = open();
            EXPECT_FALSE(s->isEnabled());
            for (int i = 0; i < settingCount; ++i) {
                const auto n = static_cast<Setting>(i);
                EXPECT_GE(s->value(n), SettingsTable::of(n).lower) << i;
                EXPECT_LE(s->value(n), SettingsTable::of(n).upper) << i;
            }
            s->setIsEnabled(true);
            s->setValue(Setting::gridOpacity, 0.29);
            s->setValue(Setting::tintHue, 1.0 / 3.0);
            s->setValue(Setting::dustNoise, 0.1 + 0.2); // 0.30000000000000004
            s->setValue(Setting::gridSize, 4.7);
            s->setFlickerMode(FlickerMode::jitter);
        }
        const auto again = open();
        EXPECT_FALSE(again->isEnabled());
        EXPECT_EQ(std::vector<double>(
                      {again->value(Setting::gridOpacity), again->value(Setting::tintHue),
                       again->value(Setting::dustNoise), again->value(Setting::gridSize)}),
                  std::vector<double>({0.29, 1.0 / 3.0, 0.1 + 0.2, 4.7}));
        EXPECT_EQ(again->flickerMode(), FlickerMode::jitter);
    }
};
} // namespace

TEST_F(HostileFile, GarbageTruncatedNonFiniteHugeAndTextNumbersAndNumericMode) {
    QByteArray garbage(64 * 1024, '\0');
    QRandomGenerator generator(7);
    for (char& c : garbage)
        c = char(generator.bounded(256));
    // Readable settings before the damage are rescued into a clean file.
    write("[General]\noverlay.rollingBand=0.75\n" + garbage);
    expectValidStartAndWorkingStore();
    EXPECT_TRUE(QFile::exists(file + ".damaged"));
    EXPECT_EQ(open()->value(Setting::rollingBand), 0.75);

    write("[General]\noverlay.rollingBand=0.5\noverlay.tintHue=0.");
    expectValidStartAndWorkingStore();
    EXPECT_EQ(open()->value(Setting::rollingBand), 0.5);

    // A later damaged file takes the place of the one set aside before.
    const QByteArray damaged = "[General]\noverlay.rollingBand=0.25\n[broken\n";
    write(damaged);
    EXPECT_EQ(open()->value(Setting::rollingBand), 0.25);
    EXPECT_EQ(readFile(file + ".damaged"), damaged);

    write("[General]\noverlay.gridSize=nan\noverlay.gridOpacity=inf\n"
          "overlay.tintHue=-inf\noverlay.dustNoise=1e308\noverlay.rollingBandSpeed=-1e999\n"
          "overlay.rollingBand=1e400\noverlay.scanlineOpacity=" +
          QByteArray(400, '9') +
          "\n"
          "overlay.horizontalDriftSpeed=lots\noverlay.flickerMode=2\n"
          "overlay.phosphorGlow=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x1)\n");
    {
        const auto s = open();
        // NaN: the default, it must not reach the renderer; no numeric reading: 0,
        // not the speeds' default 0.5; beyond a double's range: the nearer end.
        EXPECT_EQ(
            std::vector<double>({s->value(Setting::gridSize), s->value(Setting::gridOpacity),
                                 s->value(Setting::tintHue), s->value(Setting::dustNoise),
                                 s->value(Setting::rollingBandSpeed),
                                 s->value(Setting::rollingBand), s->value(Setting::scanlineOpacity),
                                 s->value(Setting::horizontalDriftSpeed)}),
            std::vector<double>({4, 1, 0, 1, 0, 1, 1, 0}));
        EXPECT_EQ(s->flickerMode(), FlickerMode::soft);
        s->setValue(Setting::tintHue, 0.5);
    }
    // Clamped in memory only: the file keeps a value until it is next changed.
    const QByteArray content = readFile(file);
    EXPECT_TRUE(content.contains("overlay.tintHue=0.5\n"));
    EXPECT_TRUE(content.contains("overlay.dustNoise=1e308\n")) << content.toStdString();
    expectValidStartAndWorkingStore();
}

// Something in the way of writing, or of setting a file aside first: the
// program runs on what it could safely read, the user's file stays byte for
// byte, and once the way is clear the next change writes everything held.
TEST_F(HostileFile, WhatStandsInTheWayKeepsSettingsInMemoryAndTheFileWhole) {
    const QByteArray readable = "[General]\noverlay.rollingBand=0.75\n";
    struct Case {
        const char* name;
        QByteArray content;
        QString obstacle;
        double rollingBand;
    };
    const Case cases[] = {
        {"directory at the path", {}, file, 0.0},
        {"lock that cannot be taken", readable, file + ".lock", 0.75},
        {"damaged file", readable + "[broken\n", file + ".damaged", 0.75},
        // Read, it would give 0.75: it is not read at all.
        {"oversized file", readable + QByteArray(2 * 1024 * 1024, 'x'), file + ".damaged", 0.0},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(QDir(dir.path()).removeRecursively() && QDir().mkpath(dir.path()));
        if (!c.content.isEmpty())
            write(c.content);
        ASSERT_TRUE(QDir().mkpath(c.obstacle));
        const auto s = open();
        EXPECT_EQ(s->value(Setting::rollingBand), c.rollingBand) << c.name;
        s->setValue(Setting::gridSize, 9);
        s->store().sync();
        EXPECT_EQ(readFile(file), c.content) << c.name;

        ASSERT_TRUE(QDir(c.obstacle).removeRecursively());
        s->setValue(Setting::gridOpacity, 0.5);
        s->store().sync();
        const QByteArray written = readFile(file);
        for (const char* line : {"overlay.gridSize=9\n", "overlay.gridOpacity=0.5\n"}) {
            EXPECT_TRUE(written.contains(line)) << c.name << ": " << written.toStdString();
        }
        EXPECT_EQ(written.contains("rollingBand=0.75"), c.rollingBand == 0.75) << c.name;
        if (c.obstacle.endsWith(".damaged")) {
            EXPECT_EQ(readFile(c.obstacle), c.content) << c.name;
        }
    }
}
