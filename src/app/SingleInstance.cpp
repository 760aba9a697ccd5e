#include "app/SingleInstance.h"

#include "app/InstanceLocation.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <cstdio>
#include <sys/un.h>

namespace {
// A request longer than this is not one of ours: the connection is dropped.
constexpr qsizetype kMaximumRequestBytes = 64 * 1024;
constexpr int kConnectRetryMs = 100;

// A path too long for a local socket's address lets no second start reach the
// running copy: say so rather than fail without a word. Qt needs a byte of the
// address besides the closing NUL (with Qt 6.4, 106 of Linux's 108 work).
void warnIfTooLongForASocket(const QString& path) {
    const QByteArray encoded = QFile::encodeName(path);
    const std::size_t limit = sizeof(sockaddr_un::sun_path) - 2;
    if (std::size_t(encoded.size()) <= limit)
        return;
    std::fprintf(stderr,
                 "retroglimmer: the socket path %s is too long for this system (%zu bytes, at "
                 "most %zu); a second start cannot reach the running copy.\n",
                 encoded.constData(), std::size_t(encoded.size()), limit);
}
} // namespace

SingleInstance::SingleInstance(const QString& directory, QObject* parent)
    : QObject(parent)
    , m_directory(directory) {
    if (m_directory.isEmpty())
        m_directory = InstanceLocation::directory();
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            if (!InstanceLocation::peerIsThisUser(socket->socketDescriptor())) {
                std::fprintf(stderr, "retroglimmer: refused a request from another user\n");
                socket->abort();
                continue;
            }
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

SingleInstance::~SingleInstance() = default;

void SingleInstance::setRequestHandler(RequestHandler handler) {
    m_handler = std::move(handler);
}

void SingleInstance::serve(QLocalSocket* socket) {
    QByteArray buffer = socket->property("request").toByteArray() + socket->readAll();
    const qsizetype end = buffer.indexOf("\n\n");
    if (end < 0) {
        if (buffer.size() > kMaximumRequestBytes)
            socket->abort();
        else
            socket->setProperty("request", buffer);
        return;
    }
    socket->setProperty("request", QVariant());
    const QByteArrayList answer =
        m_handler ? m_handler(buffer.left(end).split('\n')) : QByteArrayList{"ok"};
    for (const QByteArray& line : answer)
        socket->write(line + '\n');
    socket->disconnectFromServer();
}

SingleInstance::Claim SingleInstance::claim(const QByteArrayList& request, bool serve) {
    InstanceLocation::makePrivateFolder(m_directory);
    const QString socketPath = filePath(".socket");
    warnIfTooLongForASocket(socketPath);
    const QString lockPath = filePath(".lock");
    // QLockFile reads a lock it finds taken: something other than a file there
    // (a FIFO would block it for good) leaves the directory as unusable.
    const QFileInfo existing(lockPath);
    if (existing.exists() && !existing.isFile())
        return Claim::claimed;
    m_lock = std::make_unique<QLockFile>(lockPath);
    // Stale only when its owner is gone, never by age: the program runs for days.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(100)) {
        // The directory is unusable: run anyway rather than not at all.
        if (m_lock->error() != QLockFile::LockFailedError)
            return Claim::claimed;
        if (handOver(request))
            return Claim::handedOver;
        qint64 pid = 0;
        QString host, application;
        const QString holder = m_lock->getLockInfo(&pid, &host, &application)
                                   ? QStringLiteral(" (process %1)").arg(pid)
                                   : QString();
        std::fprintf(stderr,
                     "retroglimmer: another copy%s holds %s but did not answer within %d "
                     "seconds; end it and start again\n",
                     qPrintable(holder), qPrintable(m_lock->fileName()), answerTimeoutMs / 1000);
        return Claim::unanswered;
    }
    if (!serve)
        return Claim::claimed;
    QLocalServer::removeServer(socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(socketPath);
    return Claim::claimed;
}

bool SingleInstance::handOver(const QByteArrayList& request) {
    // The running copy may be between taking the lock and listening: try again
    // until the deadline.
    const QDeadlineTimer deadline(answerTimeoutMs);
    const QString socketPath = filePath(".socket");
    for (;;) {
        QLocalSocket socket;
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(int(deadline.remainingTime()))) {
            socket.write(request.join('\n') + "\n\n");
            // It hangs up once it has answered; a copy that is stuck, or
            // refuses this user, leaves no answer.
            QByteArray reply;
            while (!deadline.hasExpired() && socket.waitForReadyRead(int(deadline.remainingTime())))
                reply += socket.readAll();
            reply += socket.readAll();
            m_answer = reply.split('\n');
            m_answer.removeAll(QByteArray());
            return !m_answer.isEmpty();
        }
        if (deadline.remainingTime() <= kConnectRetryMs)
            return false;
        QThread::msleep(kConnectRetryMs);
    }
}

QString SingleInstance::filePath(const char* suffix) const {
    return QDir(m_directory).filePath(InstanceLocation::name() + QLatin1String(suffix));
}
