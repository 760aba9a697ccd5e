#include "app/SingleInstance.h"
#include "app/InstanceLocation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <future>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/un.h>

using testing::HasSubstr;
using testing::Not;

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
        QFile lock(dir.filePath(InstanceLocation::name() + ".lock"));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write("2147483000\nretroglimmer\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        QFile socket(dir.filePath(InstanceLocation::name() + ".socket"));
        ASSERT_TRUE(socket.open(QIODevice::WriteOnly));
    }
    SingleInstance next(dir.path());
    EXPECT_EQ(next.claim(), Claim::claimed);
    // And it answers later starts.
    QSignalSpy shown(&next, &SingleInstance::activationRequested);
    EXPECT_EQ(laterStart(dir.path()), Claim::handedOver);
    EXPECT_EQ(shown.count(), 1);
}

TEST(SingleInstance, SocketPathsLongerThanTheSystemAllowsAreReported) {
    QTemporaryDir dir;
    const qsizetype limit = sizeof(sockaddr_un::sun_path) - 2; // what Qt can listen on
    const QString name = "/" + InstanceLocation::name() + ".socket";
    // A folder in which the socket's path is that many bytes long.
    const auto folderFor = [&](qsizetype length) {
        return dir.filePath(QString(length - dir.path().size() - 1 - name.size(), 'd'));
    };

    testing::internal::CaptureStderr();
    SingleInstance longest(folderFor(limit));
    EXPECT_EQ(longest.claim(), Claim::claimed);
    EXPECT_THAT(testing::internal::GetCapturedStderr(), Not(HasSubstr("too long")));

    testing::internal::CaptureStderr();
    SingleInstance tooLong(folderFor(limit + 1));
    EXPECT_EQ(tooLong.claim(), Claim::claimed);
    EXPECT_THAT(testing::internal::GetCapturedStderr(),
                HasSubstr("socket path " + folderFor(limit + 1).toStdString() + name.toStdString() +
                          " is too long"));
}
