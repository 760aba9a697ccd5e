#include "SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {
constexpr int kConnectTimeoutMs = 1000;
const char kShowMessage[] = "show\n";
} // namespace

SingleInstance::SingleInstance(const QString& directory, QObject* parent)
    : QObject(parent)
    , m_directory(directory) {
    if (m_directory.isEmpty()) {
        m_directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (m_directory.isEmpty())
            m_directory = QDir::tempPath();
    }
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
    const QString base = QDir(m_directory).filePath(QStringLiteral("retroglimmer"));
    m_lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
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
    const QString socketPath = base + QStringLiteral(".socket");
    QLocalServer::removeServer(socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(socketPath);
    return true;
}

bool SingleInstance::notifyRunningInstance() const {
    QLocalSocket socket;
    socket.connectToServer(QDir(m_directory).filePath(QStringLiteral("retroglimmer.socket")));
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(kShowMessage);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}
