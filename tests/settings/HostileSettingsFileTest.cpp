#include "OverlaySettings.h"
#include "QSettingsPreferenceStore.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Whatever lies in the settings file, the program starts with values inside
// their ranges, and keeps accepting (and, where possible, writing) changes.
namespace {
struct HostileFile : ::testing::Test {
    QTemporaryDir dir;
    QString file = dir.filePath("retroglimmer.conf");

    void write(const QByteArray& bytes) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    // Starts over the file and checks every value is valid; then changes one
    // setting and checks the change can be read back by a later start.
    void expectValidStartAndWorkingStore() {
        {
            OverlaySettings s(std::make_unique<QSettingsPreferenceStore>(file));
            EXPECT_FALSE(s.isEnabled());
            for (int i = 0; i < OverlaySettings::numberCount; ++i) {
                const auto n = static_cast<OverlaySettings::Number>(i);
                const double v = s.number(n);
                EXPECT_GE(v, OverlaySettings::spec(n).lower) << OverlaySettings::spec(n).name;
                EXPECT_LE(v, OverlaySettings::spec(n).upper) << OverlaySettings::spec(n).name;
            }
            s.setGridOpacity(0.42);
        }
        OverlaySettings again(std::make_unique<QSettingsPreferenceStore>(file));
        EXPECT_EQ(again.gridOpacity(), 0.42);
    }
};
} // namespace

TEST_F(HostileFile, GarbageBytes) {
    QByteArray bytes(64 * 1024, '\0');
    QRandomGenerator generator(7);
    for (char& c : bytes)
        c = char(generator.bounded(256));
    write("[General]\n" + bytes);
    expectValidStartAndWorkingStore();
}

TEST_F(HostileFile, TruncatedFile) {
    write("[General]\noverlay.gridSize=12\noverlay.tintHue=0.");
    expectValidStartAndWorkingStore();
    OverlaySettings s(std::make_unique<QSettingsPreferenceStore>(file));
    EXPECT_EQ(s.gridSize(), 12.0);
}

TEST_F(HostileFile, NonFiniteHugeAndTextNumbersAndNumericMode) {
    write("[General]\noverlay.gridSize=nan\noverlay.gridOpacity=inf\n"
          "overlay.tintHue=-inf\noverlay.dustNoise=1e308\noverlay.rollingBand=1e999\n"
          "overlay.scanlineOpacity=lots\noverlay.flickerMode=2\n"
          "overlay.phosphorGlow=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x1)\n");
    {
        OverlaySettings s(std::make_unique<QSettingsPreferenceStore>(file));
        EXPECT_EQ(s.gridSize(), 4.0);
        EXPECT_EQ(s.gridOpacity(), 1.0);
        EXPECT_EQ(s.tintHue(), 0.0);
        EXPECT_EQ(s.dustNoise(), 1.0);
        EXPECT_EQ(s.scanlineOpacity(), 0.0);
        EXPECT_EQ(s.flickerMode(), FlickerMode::soft);
    }
    expectValidStartAndWorkingStore();
}

TEST_F(HostileFile, HundredMegabyteFileIsSetAsideAndNotParsed) {
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[General]\noverlay.gridSize=30\n");
        const QByteArray chunk(1024 * 1024, 'x');
        for (int i = 0; i < 100; ++i)
            f.write(chunk);
    }
    expectValidStartAndWorkingStore();
    EXPECT_TRUE(QFile::exists(file + ".damaged"));
    EXPECT_LT(QFileInfo(file).size(), 4096);
}

TEST_F(HostileFile, SettingsPathIsADirectory) {
    ASSERT_TRUE(QDir().mkpath(file));
    OverlaySettings s(std::make_unique<QSettingsPreferenceStore>(file));
    EXPECT_EQ(s.gridSize(), 4.0);
    // Changes still work in memory.
    s.setGridSize(9);
    s.store().sync();
    EXPECT_EQ(s.gridSize(), 9.0);

    // Once the way is clear, the next change writes everything held.
    ASSERT_TRUE(QDir(file).removeRecursively());
    s.setGridOpacity(0.5);
    s.store().sync();
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray content = written.readAll();
    EXPECT_TRUE(content.contains("overlay.gridSize=9")) << content.toStdString();
    EXPECT_TRUE(content.contains("overlay.gridOpacity=0.5")) << content.toStdString();
}
