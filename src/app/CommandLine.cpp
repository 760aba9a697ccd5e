#include "app/CommandLine.h"

#include "app/CommandRunner.h"
#include "app/SingleInstance.h"
#include "settings/LookLibrary.h"
#include "settings/OverlaySettings.h"
#include "settings/QSettingsPreferenceStore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>

namespace {
using Verb = RemoteCommand::Verb;

// Reads the settings file and leaves it as it is: --get changes nothing.
class ReadOnlySettingsFile : public QSettingsPreferenceStore {
protected:
    void writeValue(const QString&, const QVariant&) override {}
};

void describeProgram(QCoreApplication& app) {
    app.setApplicationName(QStringLiteral("retroglimmer"));
    app.setApplicationVersion(QStringLiteral(RETROGLIMMER_VERSION));
}

struct Options {
    QCommandLineOption on{QStringLiteral("on"), QStringLiteral("Switch the overlay on.")};
    QCommandLineOption off{QStringLiteral("off"), QStringLiteral("Switch the overlay off.")};
    QCommandLineOption toggle{QStringLiteral("toggle"),
                              QStringLiteral("Switch the overlay on if it is off, else off.")};
    QCommandLineOption set{QStringLiteral("set"),
                           QStringLiteral("Change a setting (repeatable), e.g. gridSize=8 or "
                                          "flickerMode=pulse."),
                           QStringLiteral("NAME=VALUE")};
    QCommandLineOption get{QStringLiteral("get"),
                           QStringLiteral("Print every setting, or the one named, as NAME=VALUE "
                                          "lines.")};
    QCommandLineOption reset{QStringLiteral("reset"),
                             QStringLiteral("Put every setting back and switch the overlay off.")};
    QCommandLineOption look{QStringLiteral("look"),
                            QStringLiteral("Take every effect setting of a built-in or saved "
                                           "look, e.g. \"Green phosphor\"."),
                            QStringLiteral("NAME")};
    QCommandLineOption showPanel{QStringLiteral("show-panel"),
                                 QStringLiteral("Open the control panel.")};
};

void failWith(const QString& message) {
    std::fprintf(stderr, "retroglimmer: %s\n", qPrintable(message));
}
} // namespace

CommandLine CommandLine::parse(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("CRT overlay for videos, browsers, and local players. Each option is "
                       "carried out by the running copy; with none running, --on, --toggle and "
                       "--show-panel start the program, the others work on the settings file."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const Options options;
    parser.addOptions({options.on, options.off, options.toggle, options.set, options.get,
                       options.reset, options.look, options.showPanel});
    parser.addPositionalArgument(QStringLiteral("NAME"),
                                 QStringLiteral("With --get: the setting to print."),
                                 QStringLiteral("[NAME]"));

    CommandLine result;
    if (!parser.parse(arguments)) {
        failWith(parser.errorText());
        result.exitStatus = 2;
        return result;
    }
    const bool helpAll = parser.isSet(QStringLiteral("help-all"));
    if (parser.isSet(help) || helpAll || parser.isSet(version)) {
        // Named as installed, not as this start was spelled: the manual page
        // is made from this text.
        char name[] = "retroglimmer";
        char* programOnly[] = {name, nullptr};
        int count = 1;
        QCoreApplication app(count, programOnly);
        describeProgram(app);
        const QString text = parser.isSet(help) || helpAll
                                 ? parser.helpText()
                                 : QStringLiteral("retroglimmer %1\n").arg(RETROGLIMMER_VERSION);
        std::fputs(qPrintable(text), stdout);
        result.exitStatus = 0;
        return result;
    }
    const QStringList names = parser.positionalArguments();
    if (names.size() > (parser.isSet(options.get) ? 1 : 0)) {
        failWith(QStringLiteral("unexpected argument '%1'").arg(names.last()));
        result.exitStatus = 2;
        return result;
    }
    if (int(parser.isSet(options.on)) + int(parser.isSet(options.off)) +
            int(parser.isSet(options.toggle)) >
        1) {
        failWith(QStringLiteral("--on, --off and --toggle exclude each other"));
        result.exitStatus = 2;
        return result;
    }

    if (parser.isSet(options.reset))
        result.commands << RemoteCommand{Verb::reset, {}};
    if (parser.isSet(options.look))
        result.commands << RemoteCommand{Verb::look, parser.value(options.look)};
    for (const QString& assignment : parser.values(options.set))
        result.commands << RemoteCommand{Verb::set, assignment};
    for (const auto& [option, verb] : {std::pair{&options.on, Verb::on},
                                       {&options.off, Verb::off},
                                       {&options.toggle, Verb::toggle},
                                       {&options.showPanel, Verb::show}})
        if (parser.isSet(*option))
            result.commands << RemoteCommand{verb, {}};
    if (parser.isSet(options.get))
        result.commands << RemoteCommand{Verb::get, names.value(0)};

    // Bad names and values are found here, before anything is sent or started.
    if (const std::optional<std::string> problem = CommandRunner::problem(result.commands)) {
        failWith(QString::fromStdString(*problem));
        result.exitStatus = 2;
    }
    return result;
}

bool CommandLine::startsProgram() const {
    return commands.isEmpty() || std::any_of(commands.cbegin(), commands.cend(), [](const auto& c) {
               return c.verb == Verb::on || c.verb == Verb::toggle || c.verb == Verb::show;
           });
}

// Prints the answer: what get gave on stdout, an error on stderr (status 2).
int CommandLine::report(const QByteArrayList& answer) {
    for (const QByteArray& line : answer) {
        if (line.startsWith("error: "))
            std::fprintf(stderr, "retroglimmer: %s\n", line.mid(7).constData());
        else if (line != "ok")
            std::printf("%s\n", line.constData());
    }
    return CommandRunner::succeeded(answer) ? 0 : 2;
}

QByteArrayList CommandLine::request() const {
    QByteArrayList lines;
    for (const RemoteCommand& command : commands)
        lines << command.line();
    return lines;
}

int CommandLine::runWithoutStart(int argc, char** argv) const {
    QCoreApplication app(argc, argv);
    describeProgram(app);
    SingleInstance instance;
    switch (instance.claim(request(), false)) {
    case SingleInstance::Claim::handedOver:
        return report(instance.answer());
    case SingleInstance::Claim::unanswered:
        return 1;
    case SingleInstance::Claim::claimed:
        break;
    }
    // No copy runs, and none starts while the lock is held here.
    const bool onlyReads = std::all_of(commands.cbegin(), commands.cend(),
                                       [](const auto& c) { return c.verb == Verb::get; });
    std::unique_ptr<PreferenceStore> file;
    if (onlyReads)
        file = std::make_unique<ReadOnlySettingsFile>();
    else
        file = std::make_unique<QSettingsPreferenceStore>();
    OverlaySettings settings(std::move(file));
    LookLibrary looks(settings);
    return report(CommandRunner(settings, looks).run(commands));
}
