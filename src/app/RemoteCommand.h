#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// One thing the command line asks of the program, in the form it travels to
// the running copy: a line of text ("on", "set gridSize=8", "get tintHue").
struct RemoteCommand {
    enum class Verb { show, on, off, toggle, set, get, reset, look };

    Verb verb = Verb::show;
    // NAME=VALUE for set, a setting's name or nothing for get, a look's name
    // for look.
    QString argument;

    QByteArray line() const;
    static std::optional<RemoteCommand> fromLine(const QByteArray& line);

    friend bool operator==(const RemoteCommand&, const RemoteCommand&) = default;
};
