#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

// One running copy per user session. The first start takes a lock file and
// listens on a local socket; a later start finds the lock taken, asks the
// running copy to show itself and gives up. A lock left by a crashed run is
// stale (its process is gone) and is taken over.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Claim {
        // This process is now the one instance.
        claimed,
        // Another copy runs and has been asked to show itself.
        handedOver,
        // Another copy holds the lock but did not answer (said on stderr).
        unanswered,
    };
    // How long a later start waits for the running copy to take its request.
    static constexpr int answerTimeoutMs = 3000;

    // directory: where the lock and the socket live (see InstanceLocation
    // for the default).
    explicit SingleInstance(const QString& directory = QString(), QObject* parent = nullptr);
    ~SingleInstance() override;

    Claim claim();

signals:
    void activationRequested();

private:
    bool notifyRunningInstance() const;
    QString filePath(const char* suffix) const;

    QString m_directory;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};
