#include "settings/QSettingsPreferenceStore.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(QSettingsPreferenceStore, ADragIsWrittenInBatchesWhileItLasts) {
    QTemporaryDir dir;
    const QString file = dir.filePath("retroglimmer.conf");
    QSettingsPreferenceStore store(file);
    // Counts how often the file's content changes, reading past QSettings'
    // per-process cache.
    QByteArray lastSeen;
    int writes = 0;
    const auto look = [&] {
        const QByteArray now = readFile(file);
        writes += now != lastSeen ? 1 : 0;
        lastSeen = now;
    };

    // A change after a quiet spell is on disk before the setter returns.
    QTest::qWait(QSettingsPreferenceStore::syncDelayMs * 2);
    store.setDouble("single", 0.5);
    EXPECT_TRUE(readFile(file).contains("single=0.5"));
    QTest::qWait(QSettingsPreferenceStore::syncDelayMs * 2);
    look();

    // A hundred changes, each in its own turn of the event loop (mouse moves
    // arriving faster than the program can paint): a few writes, not a hundred.
    for (int i = 1; i <= 100; ++i) {
        store.setDouble("k", i);
        QCoreApplication::processEvents();
        look();
    }
    EXPECT_LT(writes, 10);
    EXPECT_GE(writes, 1);

    // A change every 20 ms for two seconds: written again and again while the
    // drag goes on, not held back until it stops.
    writes = 0;
    for (int i = 101; i <= 200; ++i) {
        store.setDouble("k", i);
        QTest::qWait(20);
        look();
    }
    EXPECT_GE(writes, 5);
    QTest::qWait(QSettingsPreferenceStore::syncDelayMs * 3);
    EXPECT_TRUE(readFile(file).contains("k=200"));
}
