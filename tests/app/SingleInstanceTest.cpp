#include "app/SingleInstance.h"
#include "app/InstanceLocation.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstring>
#include <future>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using testing::HasSubstr;
using testing::Not;

namespace {
using Claim = SingleInstance::Claim;

// A later start is another process: it waits on its own thread while this
// one's event loop lets the running copy answer.
Claim laterStart(const QString& directory, const QByteArrayList& request = {"show"},
                 QByteArrayList* answer = nullptr) {
    std::future<Claim> claim = std::async(std::launch::async, [=] {
        SingleInstance later(directory);
        const Claim result = later.claim(request);
        if (answer)
            *answer = later.answer();
        return result;
    });
    while (claim.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return claim.get();
}
} // namespace

// Root runs the test; the other user is nobody. The folder and the socket are
// opened to everyone, so only the running copy's own check stands in the way.
TEST(SingleInstance, RunningCopyHangsUpOnAnotherUser) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    QTemporaryDir dir;
    SingleInstance first(dir.path());
    ASSERT_EQ(first.claim(), Claim::claimed);
    int requests = 0;
    first.setRequestHandler(
        [&requests](const QByteArrayList&) { return ++requests, QByteArrayList{"ok"}; });
    const QByteArray socketPath =
        QFile::encodeName(dir.filePath(InstanceLocation::name() + ".socket"));
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(socketPath.constData(), 0777), 0);

    const pid_t child = fork();
    if (child == 0) {
        // 0: connected and hung up on without an answer.
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, socketPath.constData(), sizeof address.sun_path - 1);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        if (setgid(65534) != 0 || setuid(65534) != 0 ||
            connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
            _exit(2);
        // The copy may hang up before the request is even written.
        signal(SIGPIPE, SIG_IGN);
        const char request[] = "on\n\n";
        char answer[16];
        [[maybe_unused]] const ssize_t written = write(fd, request, sizeof request - 1);
        _exit(read(fd, answer, sizeof answer) <= 0 ? 0 : 1);
    }
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(requests, 0);
    // This user is still served.
    EXPECT_EQ(laterStart(dir.path()), Claim::handedOver);
    EXPECT_EQ(requests, 1);
}

TEST(SingleInstance, LockLeftByACrashedRunDoesNotBlockTheNextStart) {
    QTemporaryDir dir;
    // A lock file naming a process that no longer exists, and its socket.
    ASSERT_TRUE(
        writeFile(dir.filePath(InstanceLocation::name() + ".lock"),
                  "2147483000\nretroglimmer\n" + QSysInfo::machineHostName().toUtf8() + "\n"));
    ASSERT_TRUE(writeFile(dir.filePath(InstanceLocation::name() + ".socket"), {}));
    SingleInstance next(dir.path());
    EXPECT_EQ(next.claim(), Claim::claimed);
    // And later starts hand it their request and get its answer.
    next.setRequestHandler([](const QByteArrayList& request) {
        return QByteArrayList{"got " + request.join(','), "ok"};
    });
    QByteArrayList answer;
    EXPECT_EQ(laterStart(dir.path(), {"set gridSize=8", "on"}, &answer), Claim::handedOver);
    EXPECT_EQ(answer, QByteArrayList({"got set gridSize=8,on", "ok"}));
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
