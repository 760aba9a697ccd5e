#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

// Turns SIGTERM, SIGINT and SIGHUP into an orderly quit of the event loop, so
// the end of a session or a plain `kill` ends the program as "Quit" does. Made
// before anything else at start, so that no moment is left where a signal
// kills the program: one that comes before the event loop runs waits for it.
class UnixSignalQuit : public QObject {
public:
    // Catches the signals from now on.
    UnixSignalQuit();
    // Once the application object exists: a signal, also one caught before,
    // quits its event loop.
    void listen();
    // The program is ending: from here on the signals are ignored.
    ~UnixSignalQuit() override;

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};
