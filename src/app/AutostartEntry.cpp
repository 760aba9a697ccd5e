#include "app/AutostartEntry.h"

#include <QDir>
#include <algorithm>

namespace {
// The string escapes of the Desktop Entry format, applied to a whole value.
QString escaped(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

// One Exec argument: double-quoted when it holds a reserved character, with
// ", `, $ and \ escaped inside the quotes; a literal % is always doubled.
// The string escapes come last because readers undo them first.
QString execArgument(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool quote = std::any_of(argument.cbegin(), argument.cend(),
                                   [](QChar c) { return reserved.contains(c); });
    QString out;
    for (QChar c : argument) {
        if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            out += u'\\';
        out += c;
    }
    if (quote)
        out = u'"' + out + u'"';
    out.replace(u'%', QLatin1String("%%"));
    return escaped(out);
}

// Booleans as desktop readers take them (GLib also accepts 1 and 0).
bool isTrue(const QByteArray& value) {
    return value == "true" || value == "1";
}
bool isFalse(const QByteArray& value) {
    return value == "false" || value == "0";
}
} // namespace

QString AutostartEntry::filePath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    // XDG base directory rules: a relative path is to be ignored.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QLatin1String("/.config");
    return base + QLatin1String("/autostart/retroglimmer.desktop");
}

QByteArray AutostartEntry::contents(const QString& program) {
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Name=Retro Glimmer\n"
                                  "Comment=CRT overlay for videos, browsers, and local players.\n"
                                  "Icon=retroglimmer\n");
    text += QLatin1String("Exec=") + execArgument(program) + u'\n';
    // Once the program is uninstalled the session skips the entry quietly
    // instead of failing to start it at every login.
    text += QLatin1String("TryExec=") + escaped(program) + u'\n';
    text += QLatin1String("Terminal=false\n");
    return text.toUtf8();
}

bool AutostartEntry::isActive(const QByteArray& contents) {
    bool inMainGroup = false;
    bool sawMainGroup = false;
    for (const QByteArray& rawLine : contents.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.startsWith('[')) {
            inMainGroup = line == "[Desktop Entry]";
            sawMainGroup = sawMainGroup || inMainGroup;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inMainGroup || equals < 0)
            continue;
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if (key == "Hidden" && isTrue(value))
            return false;
        if (key == "X-GNOME-Autostart-enabled" && isFalse(value))
            return false;
    }
    return sawMainGroup;
}
