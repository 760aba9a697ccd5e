#include "InMemoryPreferenceStore.h"
#include "QSettingsPreferenceStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

TEST(PreferenceStore, StoredValueWinsOverRegisteredDefaultAndAbsentKeysReadZero) {
    InMemoryPreferenceStore store;
    store.registerDefaults({{"a", 4.0}, {"s", QStringLiteral("soft")}});
    EXPECT_EQ(store.doubleForKey("a"), 4.0);
    EXPECT_EQ(store.doubleForKey("missing"), 0.0);
    EXPECT_EQ(store.stringForKey("s"), QStringLiteral("soft"));
    EXPECT_FALSE(store.stringForKey("missing").has_value());

    store.setDouble(0.0, "a");
    EXPECT_EQ(store.doubleForKey("a"), 0.0);
    // Registration never reaches the persistent layer.
    EXPECT_EQ(store.storedValues().size(), 1);
}

TEST(PreferenceStore, ValuesWithoutNumericReadingReadZero) {
    InMemoryPreferenceStore store;
    store.registerDefaults({{"n", 4.0}});
    for (const QVariant& value : {QVariant(QStringLiteral("abc")), QVariant(QString()),
                                  QVariant(QStringList{"1", "2"}), QVariant(QByteArray("\xff"))}) {
        store.setStoredValue("n", value);
        EXPECT_EQ(store.doubleForKey("n"), 0.0) << value.toString().toStdString();
    }
    store.setStoredValue("n", QStringLiteral(" 2.5 "));
    EXPECT_EQ(store.doubleForKey("n"), 2.5);
}

TEST(PreferenceStore, StringReadIgnoresNonStringValues) {
    InMemoryPreferenceStore store;
    store.setStoredValue("s", 3.0);
    EXPECT_FALSE(store.stringForKey("s").has_value());
}

TEST(QSettingsPreferenceStore, DoublesAndStringsRoundTripExactlyThroughAFile) {
    QTemporaryDir dir;
    const QString file = dir.filePath("retroglimmer.conf");
    const double values[] = {0.29, 0.57, 0.58,   0.1 + 0.2, 1.0 / 3.0,
                             -0.2, 47.5, 1e-300, HUGE_VAL,  -HUGE_VAL};
    {
        QSettingsPreferenceStore store(file);
        for (int i = 0; i < int(std::size(values)); ++i)
            store.setDouble(values[i], QString("k%1").arg(i));
        store.setString(QStringLiteral("jitter"), "mode");
        store.setBool(false, "flag");
    }
    QSettingsPreferenceStore reopened(file);
    for (int i = 0; i < int(std::size(values)); ++i)
        EXPECT_EQ(reopened.doubleForKey(QString("k%1").arg(i)), values[i]) << i;
    EXPECT_EQ(reopened.stringForKey("mode"), QStringLiteral("jitter"));
}

TEST(QSettingsPreferenceStore, GarbageInTheFileReadsAsZero) {
    QTemporaryDir dir;
    const QString file = dir.filePath("retroglimmer.conf");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[General]\noverlay.gridSize=big\noverlay.gridOpacity=0.5\nbroken line\n");
    }
    QSettingsPreferenceStore store(file);
    EXPECT_EQ(store.doubleForKey("overlay.gridSize"), 0.0);
    EXPECT_EQ(store.doubleForKey("overlay.gridOpacity"), 0.5);
}

namespace {
// Counts how often the file's content changes, reading past QSettings'
// per-process cache.
struct FileWatch {
    explicit FileWatch(QString name)
        : file(std::move(name)) {}

    QString file;
    QByteArray lastSeen;
    int writes = 0;

    QByteArray content() const {
        QFile onDisk(file);
        return onDisk.open(QIODevice::ReadOnly) ? onDisk.readAll() : QByteArray();
    }
    void look() {
        const QByteArray now = content();
        if (now != lastSeen)
            ++writes;
        lastSeen = now;
    }
};
} // namespace

TEST(QSettingsPreferenceStore, ADragIsWrittenInBatchesWhileItLasts) {
    QTemporaryDir dir;
    FileWatch watch{dir.filePath("retroglimmer.conf")};
    QSettingsPreferenceStore store(watch.file);

    // A change after a quiet spell is on disk before the setter returns.
    QTest::qWait(QSettingsPreferenceStore::syncDelayMs * 2);
    store.setDouble(0.5, "single");
    EXPECT_TRUE(watch.content().contains("single=0.5"));
    QTest::qWait(QSettingsPreferenceStore::syncDelayMs * 2);
    watch.look();

    // A hundred changes, each in its own turn of the event loop (mouse moves
    // arriving faster than the program can paint): a few writes, not a hundred.
    for (int i = 1; i <= 100; ++i) {
        store.setDouble(i, "k");
        QCoreApplication::processEvents();
        watch.look();
    }
    EXPECT_LT(watch.writes, 10);
    EXPECT_GE(watch.writes, 1);

    // A change every 20 ms for two seconds: written again and again while the
    // drag goes on, not held back until it stops.
    watch.writes = 0;
    for (int i = 101; i <= 200; ++i) {
        store.setDouble(i, "k");
        QTest::qWait(20);
        watch.look();
    }
    EXPECT_GE(watch.writes, 5);
    QTest::qWait(QSettingsPreferenceStore::syncDelayMs * 3);
    EXPECT_TRUE(watch.content().contains("k=200"));
}
