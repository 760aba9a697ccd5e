#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

// Turns SIGTERM, SIGINT and SIGHUP into an orderly quit of the event loop, so
// the end of a session or a plain `kill` ends the program as "Quit" does.
class UnixSignalQuit : public QObject {
public:
    explicit UnixSignalQuit(QObject* parent = nullptr);
    ~UnixSignalQuit() override;

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};
