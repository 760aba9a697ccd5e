#include "app/LaunchAtLogin.h"
#include "app/AutostartEntry.h"
#include "app/LaunchAtLoginAction.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
#ifdef Q_OS_MACOS
constexpr bool kXdgAutostart = false;
#else
constexpr bool kXdgAutostart = true;
#endif

// Every test works in its own XDG_CONFIG_HOME, never the user's.
class LaunchAtLoginTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!kXdgAutostart)
            GTEST_SKIP() << "macOS keeps the login item itself; only the XDG entry is tested";
        ASSERT_TRUE(config.isValid());
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    }
    void TearDown() override {
        qputenv("XDG_CONFIG_HOME", savedConfig);
        qputenv("HOME", savedHome);
    }

    QString autostartDir() const { return config.filePath("autostart"); }
    QString entryPath() const { return config.filePath("autostart/retroglimmer.desktop"); }

    QTemporaryDir config;
    QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    QByteArray savedHome = qgetenv("HOME");
};
} // namespace

TEST_F(LaunchAtLoginTest, PathFollowsXdgConfigHomeAndFallsBackToDotConfig) {
    EXPECT_EQ(AutostartEntry::filePath(), entryPath());
    qputenv("HOME", config.path().toLocal8Bit());
    const QString fallback = config.filePath(".config/autostart/retroglimmer.desktop");
    for (const char* unusable : {"", "relative/config"}) {
        qputenv("XDG_CONFIG_HOME", unusable);
        EXPECT_EQ(AutostartEntry::filePath(), fallback) << unusable;
    }
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(AutostartEntry::filePath(), fallback);
}

TEST_F(LaunchAtLoginTest, FailedWritesReportFalseAndChangeNothing) {
    // Switching off what is already off is no failure.
    EXPECT_TRUE(LaunchAtLogin::setEnabled(false));
    // "autostart" is a file, so the folder for the entry cannot be made.
    ASSERT_TRUE(writeFile(autostartDir(), "not a folder"));
    EXPECT_FALSE(LaunchAtLogin::setEnabled(true));
    EXPECT_FALSE(LaunchAtLogin::isEnabled());
    EXPECT_EQ(readFile(autostartDir()), "not a folder");
    ASSERT_TRUE(QFile::remove(autostartDir()));

    // A folder where the entry belongs can be neither replaced nor removed.
    ASSERT_TRUE(QDir().mkpath(entryPath() + "/inside"));
    EXPECT_FALSE(LaunchAtLogin::setEnabled(true));
    EXPECT_FALSE(LaunchAtLogin::setEnabled(false));
    EXPECT_TRUE(QFileInfo(entryPath() + "/inside").isDir());
}

TEST_F(LaunchAtLoginTest, OpeningTheMenuShowsTheEntryAndOnlyAClickWritesIt) {
    QMenu menu;
    auto* item = new LaunchAtLoginAction(menu);
    const QByteArray elsewhere = AutostartEntry::contents("/old/place/retroglimmer");
    ASSERT_TRUE(QDir().mkpath(autostartDir()));
    ASSERT_TRUE(writeFile(entryPath(), elsewhere));
    emit menu.aboutToShow();
    EXPECT_TRUE(item->toggle().isChecked());
    EXPECT_TRUE(item->toggle().isEnabled());
    EXPECT_FALSE(item->approvalHint().isVisible());
    EXPECT_EQ(readFile(entryPath()), elsewhere);

    // Switched off by the desktop: shown as off, and left as it is.
    ASSERT_TRUE(writeFile(entryPath(), elsewhere + "Hidden=true\n"));
    emit menu.aboutToShow();
    EXPECT_FALSE(item->toggle().isChecked());
    EXPECT_EQ(readFile(entryPath()), elsewhere + "Hidden=true\n");

    item->toggle().trigger();
    EXPECT_TRUE(item->toggle().isChecked());
    EXPECT_EQ(readFile(entryPath()),
              AutostartEntry::contents(QCoreApplication::applicationFilePath()));
    EXPECT_TRUE(LaunchAtLogin::isEnabled());
    item->toggle().trigger();
    EXPECT_FALSE(QFile::exists(entryPath()));
    EXPECT_FALSE(LaunchAtLogin::isEnabled());
}
