#include "app/AutostartEntry.h"
#include "support/TestFiles.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// The value of one key in an entry's text, as written (still escaped).
std::string valueOf(const QByteArray& text, const QByteArray& key) {
    for (const QByteArray& line : text.split('\n'))
        if (line.startsWith(key + '='))
            return line.mid(key.size() + 1).toStdString();
    return std::string();
}
} // namespace

TEST(AutostartEntryTest, ExecQuotesAndEscapesThePathAsTheDesktopEntryFormatRequires) {
    EXPECT_EQ(valueOf(AutostartEntry::contents("/usr/bin/retroglimmer"), "Exec"),
              "/usr/bin/retroglimmer");
    EXPECT_EQ(valueOf(AutostartEntry::contents("/opt/Retro Apps/retroglimmer"), "Exec"),
              "\"/opt/Retro Apps/retroglimmer\"");
    // $, " and \ are escaped inside the quotes, then every backslash is
    // escaped again for the string; % is doubled.
    EXPECT_EQ(valueOf(AutostartEntry::contents("/home/a\"b/$HOME\\x/100%/rg"), "Exec"),
              R"("/home/a\\"b/\\$HOME\\\\x/100%%/rg")");
    // TryExec is a plain string: only the backslash escape applies.
    EXPECT_EQ(valueOf(AutostartEntry::contents("/opt/a b\\c/rg"), "TryExec"), R"(/opt/a b\\c/rg)");
    EXPECT_EQ(valueOf(AutostartEntry::contents("/opt/line\nbreak/rg"), "TryExec"),
              R"(/opt/line\nbreak/rg)");
}

TEST(AutostartEntryTest, WrittenEntryPassesTheDesktopFileValidator) {
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (validator.isEmpty())
        GTEST_SKIP() << "desktop-file-validate not installed (package desktop-file-utils)";
    QTemporaryDir dir;
    const QString path = dir.filePath("retroglimmer.desktop");
    ASSERT_TRUE(
        writeFile(path, AutostartEntry::contents("/opt/Retro Apps/it's $100%/retroglimmer")));

    QProcess process;
    process.start(validator, {path});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QByteArray output = process.readAllStandardOutput() + process.readAllStandardError();
    EXPECT_EQ(process.exitCode(), 0) << output.constData();
    EXPECT_TRUE(output.trimmed().isEmpty()) << output.constData();
}

TEST(AutostartEntryTest, HiddenOrSwitchedOffEntriesAreNotActive) {
    const QByteArray entry = AutostartEntry::contents("/usr/bin/retroglimmer");
    EXPECT_TRUE(AutostartEntry::isActive(entry));
    EXPECT_FALSE(AutostartEntry::isActive(entry + "Hidden=true\n"));
    EXPECT_FALSE(AutostartEntry::isActive(entry + "X-GNOME-Autostart-enabled = false\n"));
    EXPECT_FALSE(AutostartEntry::isActive(entry + "X-GNOME-Autostart-enabled=0\n"));
    EXPECT_FALSE(AutostartEntry::isActive(entry + "Hidden=1\n"));
    EXPECT_TRUE(AutostartEntry::isActive(entry + "Hidden=false\nX-GNOME-Autostart-enabled=true\n"));
    // Keys of other groups do not count, and text without the main group is no entry.
    EXPECT_TRUE(AutostartEntry::isActive(entry + "[Desktop Action off]\nHidden=true\n"));
    EXPECT_FALSE(AutostartEntry::isActive("Exec=/usr/bin/retroglimmer\n"));
    EXPECT_FALSE(AutostartEntry::isActive(QByteArray()));
}
