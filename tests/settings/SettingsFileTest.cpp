#include "OverlaySettings.h"
#include "QSettingsPreferenceStore.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Settings over a real file in a temporary directory. Whatever lies in the file,
// the program starts with values inside their ranges, and keeps accepting (and,
// where possible, writing) changes.
namespace {
struct QSettingsPreferenceStoreFile : ::testing::Test {
    QTemporaryDir dir;
    QString file = dir.filePath("retroglimmer.conf");

    void write(const QByteArray& bytes) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    std::unique_ptr<OverlaySettings> open() const {
        return std::make_unique<OverlaySettings>(std::make_unique<QSettingsPreferenceStore>(file));
    }

    // Every value is valid at start, and changes reach the next start exactly.
    void expectValidStartAndWorkingStore() {
        {
            const auto s = open();
            EXPECT_FALSE(s->isEnabled());
            for (int i = 0; i < OverlaySettings::numberCount; ++i) {
                const auto n = static_cast<OverlaySettings::Number>(i);
                EXPECT_GE(s->number(n), OverlaySettings::definition(n).lower) << i;
                EXPECT_LE(s->number(n), OverlaySettings::definition(n).upper) << i;
            }
            s->setIsEnabled(true);
            s->setGridOpacity(0.29);
            s->setTintHue(1.0 / 3.0);
            s->setDustNoise(0.1 + 0.2); // 0.30000000000000004
            s->setGridSize(4.7);
            s->setFlickerMode(FlickerMode::jitter);
        }
        const auto again = open();
        EXPECT_FALSE(again->isEnabled());
        EXPECT_EQ(std::vector<double>({again->gridOpacity(), again->tintHue(), again->dustNoise(),
                                       again->gridSize()}),
                  std::vector<double>({0.29, 1.0 / 3.0, 0.1 + 0.2, 4.7}));
        EXPECT_EQ(again->flickerMode(), FlickerMode::jitter);
    }
};
using HostileFile = QSettingsPreferenceStoreFile;
} // namespace

TEST_F(QSettingsPreferenceStoreFile, RoundTripKeepsDoublesExactAndStartsSwitchedOff) {
    expectValidStartAndWorkingStore();
}

TEST_F(HostileFile, GarbageOrTruncatedContentsKeepWhatCanBeRead) {
    QByteArray garbage(64 * 1024, '\0');
    QRandomGenerator generator(7);
    for (char& c : garbage)
        c = char(generator.bounded(256));
    // Readable settings before the damage are rescued into a clean file.
    write("[General]\noverlay.rollingBand=0.75\n" + garbage);
    expectValidStartAndWorkingStore();
    EXPECT_TRUE(QFile::exists(file + ".damaged"));
    EXPECT_EQ(open()->rollingBand(), 0.75);

    write("[General]\noverlay.rollingBand=0.5\noverlay.tintHue=0.");
    expectValidStartAndWorkingStore();
    EXPECT_EQ(open()->rollingBand(), 0.5);
}

TEST_F(HostileFile, NonFiniteHugeAndTextNumbersAndNumericMode) {
    write("[General]\noverlay.gridSize=nan\noverlay.gridOpacity=inf\n"
          "overlay.tintHue=-inf\noverlay.dustNoise=1e308\noverlay.rollingBandSpeed=1e999\n"
          "overlay.horizontalDriftSpeed=lots\noverlay.flickerMode=2\n"
          "overlay.phosphorGlow=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x1)\n");
    {
        const auto s = open();
        // NaN: the default, it must not reach the renderer; no numeric reading: 0,
        // not the speeds' default 0.5.
        EXPECT_EQ(
            std::vector<double>({s->gridSize(), s->gridOpacity(), s->tintHue(), s->dustNoise(),
                                 s->rollingBandSpeed(), s->horizontalDriftSpeed()}),
            std::vector<double>({4, 1, 0, 1, 0, 0}));
        EXPECT_EQ(s->flickerMode(), FlickerMode::soft);
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
    const auto s = open();
    EXPECT_EQ(s->gridSize(), 4.0);
    // Changes still work in memory.
    s->setGridSize(9);
    s->store().sync();
    EXPECT_EQ(s->gridSize(), 9.0);

    // Once the way is clear, the next change writes everything held.
    ASSERT_TRUE(QDir(file).removeRecursively());
    s->setGridOpacity(0.5);
    s->store().sync();
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray content = written.readAll();
    EXPECT_TRUE(content.contains("overlay.gridSize=9")) << content.toStdString();
    EXPECT_TRUE(content.contains("overlay.gridOpacity=0.5")) << content.toStdString();
}
