// Runs the built retroglimmer-frame as a user would. (What it writes for good
// input is the reference the end-to-end tests compare the screen with.)

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FrameToolProcess, OnBadInputExits2WithOneLineAndWritesNothing) {
    QTemporaryDir directory;
    const QString output = directory.filePath("frame.png");
    QProcess process;
    process.start(QStringLiteral(RETROGLIMMER_FRAME_TOOL),
                  {"--size", "120x90", "--time", "0", "--set", "sparkle=1", "--output", output});
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(errors.contains("sparkle"));
    EXPECT_EQ(errors.count('\n'), 1) << "one line";
    EXPECT_FALSE(QFile::exists(output));
}
