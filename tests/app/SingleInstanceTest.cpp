#include "SingleInstance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <future>
#include <gtest/gtest.h>

namespace {
using Claim = SingleInstance::Claim;

// A later start is another process: it waits on its own thread while this
// one's event loop lets the running copy answer.
Claim laterStart(const QString& directory) {
    std::future<Claim> claim = std::async(std::launch::async, [directory] {
        SingleInstance later(directory);
        return later.claim();
    });
    while (claim.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return claim.get();
}
} // namespace

TEST(SingleInstance, SecondStartAsksTheFirstToShowItselfAndGivesUp) {
    QTemporaryDir dir;
    SingleInstance first(dir.path());
    ASSERT_EQ(first.claim(), Claim::claimed);
    QSignalSpy shown(&first, &SingleInstance::activationRequested);

    EXPECT_EQ(laterStart(dir.path()), Claim::handedOver);
    EXPECT_EQ(shown.count(), 1);
}

TEST(SingleInstance, ARunningCopyThatDoesNotAnswerIsReportedWithinTheTimeout) {
    QTemporaryDir dir;
    SingleInstance stuck(dir.path());
    ASSERT_EQ(stuck.claim(), Claim::claimed);
    // No event loop runs here while the second start waits.
    QElapsedTimer waited;
    waited.start();
    SingleInstance second(dir.path());
    EXPECT_EQ(second.claim(), Claim::unanswered);
    EXPECT_LT(waited.elapsed(), SingleInstance::answerTimeoutMs + 1000);
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
    EXPECT_EQ(next.claim(), Claim::claimed);
    // And it answers later starts.
    QSignalSpy shown(&next, &SingleInstance::activationRequested);
    EXPECT_EQ(laterStart(dir.path()), Claim::handedOver);
    EXPECT_EQ(shown.count(), 1);
}
