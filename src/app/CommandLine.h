#pragma once

#include "app/RemoteCommand.h"

#include <QByteArrayList>
#include <QList>
#include <QStringList>
#include <optional>

// The program's command line. Every command goes to the running copy through
// the single-instance channel; with none running, --on, --toggle and
// --show-panel start the program first, the others work on the settings file.
class CommandLine {
public:
    // Help, version and errors are printed here; exitStatus is then set (2
    // for a bad option, name or value, with one line naming it).
    static CommandLine parse(int argc, char** argv);

    std::optional<int> exitStatus;
    // In the order they are applied: reset, look, set, on/off/toggle, show,
    // get.
    QList<RemoteCommand> commands;

    // No command at all, or one that needs the program running.
    bool startsProgram() const;
    // Runs commands that need no program when none runs: hands them to the
    // running copy or applies them to the settings file. The exit status.
    int runWithoutStart(int argc, char** argv) const;

    // The commands as the single-instance channel carries them.
    QByteArrayList request() const;
    // Prints a running copy's answer; the exit status it calls for.
    static int report(const QByteArrayList& answer);
};
