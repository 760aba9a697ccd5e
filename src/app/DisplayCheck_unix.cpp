#include "app/DisplayCheck.h"

#include <QByteArray>
#include <QDir>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <future>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {
enum class Outcome { opened, refused, silent };

// xcb_connect waits for the server's greeting without a limit: it runs on a
// thread of its own, left behind if the server never answers.
Outcome openX11(const QByteArray& display) {
    auto result = std::make_shared<std::promise<bool>>();
    std::future<bool> answer = result->get_future();
    std::thread([result, display] {
        xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
        const bool opened = xcb_connection_has_error(connection) == 0;
        xcb_disconnect(connection);
        result->set_value(opened);
    }).detach();
    if (answer.wait_for(std::chrono::milliseconds(DisplayCheck::answerTimeoutMs)) !=
        std::future_status::ready)
        return Outcome::silent;
    return answer.get() ? Outcome::opened : Outcome::refused;
}

// A Wayland compositor answers on a local socket; a connection it accepts is
// enough here (Qt does the rest). Non-blocking: a full backlog fails at once.
Outcome openWayland(const QByteArray& display) {
    QByteArray path = display;
    if (!path.startsWith('/'))
        path = qgetenv("XDG_RUNTIME_DIR") + '/' + display;
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return Outcome::refused;
    std::copy(path.cbegin(), path.cend(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return Outcome::refused;
    const bool opened =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return opened ? Outcome::opened : Outcome::refused;
}
} // namespace

bool DisplayCheck::displayOpens() {
    // The platform Qt will load: the first of QT_QPA_PLATFORM's choices, else
    // X11 whenever there is an X display.
    QByteArray platform = qgetenv("QT_QPA_PLATFORM").split(';').first().split(':').first();
    if (platform.isEmpty())
        platform = qEnvironmentVariableIsEmpty("DISPLAY") ? "wayland" : "xcb";
    const bool x11 = platform == "xcb";
    if (!x11 && (platform != "wayland" || !qEnvironmentVariableIsEmpty("WAYLAND_SOCKET")))
        return true;

    const char* variable = x11 ? "DISPLAY" : "WAYLAND_DISPLAY";
    QByteArray display = qgetenv(variable);
    if (!x11 && display.isEmpty())
        display = "wayland-0"; // what Qt falls back to
    const Outcome outcome = x11 ? openX11(display) : openWayland(display);
    if (outcome == Outcome::opened)
        return true;
    std::fprintf(stderr,
                 "retroglimmer: cannot open the display \"%s\" (%s)%s; start it from a "
                 "desktop session.\n",
                 display.constData(), variable,
                 outcome == Outcome::silent ? ": it does not answer" : "");
    return false;
}
