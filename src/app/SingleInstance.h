#pragma once

#include <QByteArrayList>
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <functional>
#include <memory>

// One running copy per user session. The first start takes a lock file and
// listens on a local socket; a later start finds the lock taken, hands its
// request to the running copy and gives up. A lock left by a crashed run is
// stale (its process is gone) and is taken over.
//
// The channel is for this user only: the socket lives in the user's private
// runtime folder and the running copy hangs up on any process of another user.
// A request is one line per command and an empty line; the answer is the
// handler's lines, then the running copy hangs up.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Claim {
        // This process is now the one instance.
        claimed,
        // Another copy runs and has taken the request (see answer()).
        handedOver,
        // Another copy holds the lock but did not answer (said on stderr).
        unanswered,
    };
    // How long a later start waits for the running copy to take its request.
    static constexpr int answerTimeoutMs = 3000;

    // Takes a request's lines and gives the answer's, the last one "ok" or
    // "error: MESSAGE".
    using RequestHandler = std::function<QByteArrayList(const QByteArrayList& request)>;

    // directory: where the lock and the socket live (see InstanceLocation
    // for the default).
    explicit SingleInstance(const QString& directory = QString(), QObject* parent = nullptr);
    ~SingleInstance() override;

    void setRequestHandler(RequestHandler handler);

    // request: what a running copy is asked to do. serve: whether this process,
    // when it is the one instance, answers later starts (a short-lived command
    // that only edits the settings file holds the lock without serving).
    Claim claim(const QByteArrayList& request = {"show"}, bool serve = true);

    // The running copy's answer after handedOver, its last line included.
    const QByteArrayList& answer() const { return m_answer; }

private:
    bool handOver(const QByteArrayList& request);
    void serve(class QLocalSocket* socket);
    QString filePath(const char* suffix) const;

    QString m_directory;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
    RequestHandler m_handler;
    QByteArrayList m_answer;
};
