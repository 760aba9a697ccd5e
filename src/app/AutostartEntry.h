#pragma once

#include <QByteArray>
#include <QString>

// The XDG autostart entry that starts this program when the user logs in:
// $XDG_CONFIG_HOME/autostart/retroglimmer.desktop, ~/.config when the variable
// is unset or not an absolute path.
class AutostartEntry {
public:
    static QString filePath();
    // The entry's text for starting the given executable, with no arguments.
    static QByteArray contents(const QString& program);
    // Whether an entry's text would start anything: session managers skip an
    // entry that is marked Hidden or switched off by the desktop's settings.
    static bool isActive(const QByteArray& contents);
};
