#include "SingleInstance.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SingleInstance, SecondStartAsksTheFirstToShowItselfAndGivesUp) {
    QTemporaryDir dir;
    SingleInstance first(dir.path());
    ASSERT_TRUE(first.claim());
    QSignalSpy shown(&first, &SingleInstance::activationRequested);

    SingleInstance second(dir.path());
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(shown.wait(2000));
}

TEST(SingleInstance, LockLeftByACrashedRunDoesNotBlockTheNextStart) {
    QTemporaryDir dir;
    {
        // A lock file naming a process that no longer exists, and its socket.
        QFile lock(dir.filePath("retroglimmer.lock"));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write("2147483000\nretroglimmer\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        QFile socket(dir.filePath("retroglimmer.socket"));
        ASSERT_TRUE(socket.open(QIODevice::WriteOnly));
    }
    SingleInstance next(dir.path());
    EXPECT_TRUE(next.claim());
    // And it answers later starts.
    QSignalSpy shown(&next, &SingleInstance::activationRequested);
    SingleInstance later(dir.path());
    EXPECT_FALSE(later.claim());
    EXPECT_TRUE(shown.wait(2000));
}
