#include "app/CommandRunner.h"

#include "settings/LookLibrary.h"
#include "settings/OverlaySettings.h"
#include "settings/SettingAssignment.h"

namespace {
using Verb = RemoteCommand::Verb;

// Empty when the command may be carried out.
std::string problemWith(const RemoteCommand& command) {
    std::string error;
    if (command.verb == Verb::set) {
        const auto assignment = SettingAssignment::parse(command.argument.toStdString(), error);
        return assignment ? assignment->rangeError() : error;
    }
    if (command.verb == Verb::get && !command.argument.isEmpty() &&
        !SettingAssignment::names().contains(command.argument))
        return "unknown setting '" + command.argument.toStdString() + "' in --get";
    return {};
}
} // namespace

std::optional<std::string> CommandRunner::problem(const QList<RemoteCommand>& commands) {
    for (const RemoteCommand& command : commands)
        if (std::string problem = problemWith(command); !problem.empty())
            return problem;
    return std::nullopt;
}

CommandRunner::CommandRunner(OverlaySettings& settings, LookLibrary& looks,
                             std::function<void()> showPanel)
    : m_settings(settings)
    , m_looks(looks)
    , m_showPanel(std::move(showPanel)) {}

QByteArrayList CommandRunner::run(const QByteArrayList& request) {
    QList<RemoteCommand> commands;
    for (const QByteArray& line : request) {
        const std::optional<RemoteCommand> command = RemoteCommand::fromLine(line);
        if (!command)
            return {"error: unknown command '" + line + "'"};
        commands << *command;
    }
    return run(commands);
}

QByteArrayList CommandRunner::run(const QList<RemoteCommand>& commands) {
    if (const std::optional<std::string> error = problem(commands))
        return {QByteArray("error: ") + error->c_str()};
    // Saved looks are known only here, in the copy that holds the settings.
    if (const std::optional<QString> look = unknownLook(commands))
        return {"error: unknown look '" + look->toUtf8() + "' in --look"};
    QByteArrayList answer;
    for (const RemoteCommand& command : commands) {
        switch (command.verb) {
        case Verb::show:
            if (m_showPanel)
                m_showPanel();
            break;
        case Verb::on:
        case Verb::off:
            m_settings.setIsEnabled(command.verb == Verb::on);
            break;
        case Verb::toggle:
            m_settings.setIsEnabled(!m_settings.isEnabled());
            break;
        case Verb::set: {
            std::string unused;
            SettingAssignment::parse(command.argument.toStdString(), unused)->applyTo(m_settings);
            break;
        }
        case Verb::get:
            for (const QString& line : SettingAssignment::describe(m_settings, command.argument))
                answer << line.toUtf8();
            break;
        case Verb::reset:
            m_settings.resetToDefaults();
            break;
        case Verb::look:
            m_looks.apply(command.argument);
            break;
        }
    }
    answer << "ok";
    return answer;
}

std::optional<QString> CommandRunner::unknownLook(const QList<RemoteCommand>& commands) const {
    for (const RemoteCommand& command : commands)
        if (command.verb == Verb::look && !m_looks.find(command.argument))
            return command.argument;
    return std::nullopt;
}

bool CommandRunner::succeeded(const QByteArrayList& answer) {
    return !answer.isEmpty() && answer.last() == "ok";
}
