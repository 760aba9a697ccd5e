#include "app/RemoteCommand.h"

#include <array>
#include <utility>

namespace {
using Verb = RemoteCommand::Verb;

constexpr std::array<std::pair<Verb, const char*>, 8> kWords{{
    {Verb::show, "show"},
    {Verb::on, "on"},
    {Verb::off, "off"},
    {Verb::toggle, "toggle"},
    {Verb::set, "set"},
    {Verb::get, "get"},
    {Verb::reset, "reset"},
    {Verb::look, "look"},
}};

bool takesArgument(Verb verb) {
    return verb == Verb::set || verb == Verb::get || verb == Verb::look;
}
} // namespace

QByteArray RemoteCommand::line() const {
    for (const auto& [candidate, word] : kWords)
        if (candidate == verb)
            return argument.isEmpty() ? QByteArray(word) : word + (' ' + argument.toUtf8());
    return {};
}

std::optional<RemoteCommand> RemoteCommand::fromLine(const QByteArray& line) {
    const qsizetype space = line.indexOf(' ');
    const QByteArray word = space < 0 ? line : line.left(space);
    const QString argument = space < 0 ? QString() : QString::fromUtf8(line.mid(space + 1));
    for (const auto& [verb, candidate] : kWords) {
        if (word != candidate)
            continue;
        // A set needs its NAME=VALUE and a look its name; the others take none
        // (get takes one or none).
        if (((verb == Verb::set || verb == Verb::look) && argument.isEmpty()) ||
            (!takesArgument(verb) && space >= 0))
            return std::nullopt;
        return RemoteCommand{verb, argument};
    }
    return std::nullopt;
}
