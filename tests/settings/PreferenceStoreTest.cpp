#include "settings/InMemoryPreferenceStore.h"

#include "settings/QSettingsPreferenceStore.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

// What a hand-edited or foreign file may hold: text, an INI list ("1, 2"), bytes.
TEST(PreferenceStore, ValuesWithoutANumericReadingReadAsZero) {
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

namespace {
// Counts how often the file's content changes, reading past QSettings'
// per-process cache.
struct FileWatch {
    explicit FileWatch(QString name)
        : file(std::move(name)) {}

    QString file;
    QByteArray lastSeen;
    int writes = 0;

    void look() {
        const QByteArray now = readFile(file);
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
    store.setDouble("single", 0.5);
    EXPECT_TRUE(readFile(watch.file).contains("single=0.5"));
    QTest::qWait(QSettingsPreferenceStore::syncDelayMs * 2);
    watch.look();

    // A hundred changes, each in its own turn of the event loop (mouse moves
    // arriving faster than the program can paint): a few writes, not a hundred.
    for (int i = 1; i <= 100; ++i) {
        store.setDouble("k", i);
        QCoreApplication::processEvents();
        watch.look();
    }
    EXPECT_LT(watch.writes, 10);
    EXPECT_GE(watch.writes, 1);

    // A change every 20 ms for two seconds: written again and again while the
    // drag goes on, not held back until it stops.
    watch.writes = 0;
    for (int i = 101; i <= 200; ++i) {
        store.setDouble("k", i);
        QTest::qWait(20);
        watch.look();
    }
    EXPECT_GE(watch.writes, 5);
    QTest::qWait(QSettingsPreferenceStore::syncDelayMs * 3);
    EXPECT_TRUE(readFile(watch.file).contains("k=200"));
}
