#include "app/UnixSignalQuit.h"

#include <QCoreApplication>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// The handler may only write a byte; the event loop does the rest.
int gSignalPipe[2] = {-1, -1};

void onSignal(int signal) {
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(gSignalPipe[0], &byte, 1);
}

void handleSignals(void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}
} // namespace

UnixSignalQuit::UnixSignalQuit() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, gSignalPipe) == 0)
        handleSignals(onSignal);
}

void UnixSignalQuit::listen() {
    if (gSignalPipe[1] < 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(gSignalPipe[1], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, [] {
        char byte;
        [[maybe_unused]] const ssize_t got = ::read(gSignalPipe[1], &byte, 1);
        QCoreApplication::quit();
    });
}

UnixSignalQuit::~UnixSignalQuit() {
    handleSignals(SIG_IGN);
    m_notifier.reset();
    for (int& fd : gSignalPipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}
