// Runs the built retroglimmer-frame as a user would.

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct ToolRun {
    int exitCode;
    QString errors;
};

ToolRun runTool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(RETROGLIMMER_FRAME_TOOL), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

TEST(FrameToolProcess, WritesAStraightAlphaPngOfTheGivenSize) {
    QTemporaryDir directory;
    const QString output = directory.filePath("frame.png");
    const ToolRun run = runTool({"--size", "120x90", "--time", "1e6", "--set", "tintHue=0", "--set",
                                 "tintOpacity=0.5", "--set", "gridOpacity=0", "--output", output});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QImage image(output);
    ASSERT_EQ(image.size(), QSize(120, 90));
    EXPECT_TRUE(image.hasAlphaChannel());
    // The tint at hue 0, saturation 0.65, half opacity, stored unpremultiplied.
    const QColor middle = image.pixelColor(60, 45);
    EXPECT_NEAR(middle.alpha(), 128, 1);
    EXPECT_NEAR(middle.red(), 255, 2);
    EXPECT_NEAR(middle.green(), 89, 2);
    EXPECT_NEAR(middle.blue(), 89, 2);
}

TEST(FrameToolProcess, BadInputExitsWithStatus2AndWritesNothing) {
    QTemporaryDir directory;
    const QString output = directory.filePath("frame.png");
    const ToolRun run =
        runTool({"--size", "120x90", "--time", "0", "--set", "sparkle=1", "--output", output});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errors.contains("sparkle"));
    EXPECT_EQ(run.errors.count('\n'), 1) << "one line";
    EXPECT_FALSE(QFile::exists(output));
}
} // namespace
