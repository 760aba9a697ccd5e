#include "SingleInstance.h"

#include "InstanceLocation.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <cstdio>
#include <sys/un.h>

namespace {
constexpr int kConnectTimeoutMs = 1000;
const char kShowMessage[] = "show\n";

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
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("show"))
                    emit activationRequested();
                socket->disconnectFromServer();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim() {
    QDir().mkpath(m_directory);
    const QString socketPath = filePath(".socket");
    warnIfTooLongForASocket(socketPath);
    m_lock = std::make_unique<QLockFile>(filePath(".lock"));
    // Stale only when its owner is gone, never by age: the program runs for days.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(100)) {
        if (m_lock->error() == QLockFile::LockFailedError) {
            notifyRunningInstance();
            return false;
        }
        // The directory is unusable: run anyway rather than not at all.
        return true;
    }
    QLocalServer::removeServer(socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(socketPath);
    return true;
}

bool SingleInstance::notifyRunningInstance() const {
    QLocalSocket socket;
    socket.connectToServer(filePath(".socket"));
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(kShowMessage);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

QString SingleInstance::filePath(const char* suffix) const {
    return QDir(m_directory).filePath(InstanceLocation::name() + QLatin1String(suffix));
}
