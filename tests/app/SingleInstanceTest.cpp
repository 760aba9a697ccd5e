#include "SingleInstance.h"
#include "InstanceLocation.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/un.h>

using testing::HasSubstr;
using testing::Not;

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
        QFile lock(dir.filePath(InstanceLocation::name() + ".lock"));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write("2147483000\nretroglimmer\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        QFile socket(dir.filePath(InstanceLocation::name() + ".socket"));
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
    EXPECT_TRUE(longest.claim());
    EXPECT_THAT(testing::internal::GetCapturedStderr(), Not(HasSubstr("too long")));

    testing::internal::CaptureStderr();
    SingleInstance tooLong(folderFor(limit + 1));
    EXPECT_TRUE(tooLong.claim());
    EXPECT_THAT(testing::internal::GetCapturedStderr(),
                HasSubstr("socket path " + folderFor(limit + 1).toStdString() + name.toStdString() +
                          " is too long"));
}
