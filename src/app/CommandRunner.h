#pragma once

#include "app/RemoteCommand.h"

#include <QByteArrayList>
#include <QList>
#include <functional>
#include <optional>
#include <string>

class LookLibrary;
class OverlaySettings;

// Carries out commands on the settings exactly as the panel would: through
// the settings' setters, so every change is stored and every view follows.
// All of a request is checked before any of it is applied.
class CommandRunner {
public:
    CommandRunner(OverlaySettings& settings, LookLibrary& looks,
                  std::function<void()> showPanel = {});

    // The answer: what get prints, then "ok"; or only "error: MESSAGE" when a
    // command is unknown or its name or value is bad, nothing applied then.
    QByteArrayList run(const QByteArrayList& request);
    QByteArrayList run(const QList<RemoteCommand>& commands);

    // What is wrong with the first bad command, or nothing.
    static std::optional<std::string> problem(const QList<RemoteCommand>& commands);
    static bool succeeded(const QByteArrayList& answer);

private:
    // The first look named that is neither built in nor saved, or nothing.
    std::optional<QString> unknownLook(const QList<RemoteCommand>& commands) const;

    OverlaySettings& m_settings;
    LookLibrary& m_looks;
    std::function<void()> m_showPanel;
};
