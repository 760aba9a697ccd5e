// Runs the built retroglimmer-frame as a user would.

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// The exit status and what went to standard error.
std::pair<int, QString> runTool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(RETROGLIMMER_FRAME_TOOL), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

TEST(FrameToolProcess, WritesAStraightAlphaPngOrOnBadInputExits2AndWritesNothing) {
    QTemporaryDir directory;
    const QString output = directory.filePath("frame.png");
    const auto [badExit, badErrors] =
        runTool({"--size", "120x90", "--time", "0", "--set", "sparkle=1", "--output", output});
    EXPECT_EQ(badExit, 2);
    EXPECT_TRUE(badErrors.contains("sparkle"));
    EXPECT_EQ(badErrors.count('\n'), 1) << "one line";
    EXPECT_FALSE(QFile::exists(output));

    const auto [exit, errors] =
        runTool({"--size", "120x90", "--time", "1e6", "--set", "tintHue=0", "--set",
                 "tintOpacity=0.5", "--set", "gridOpacity=0", "--output", output});
    ASSERT_EQ(exit, 0) << errors.toStdString();
    const QImage image(output);
    ASSERT_EQ(image.size(), QSize(120, 90));
    EXPECT_TRUE(image.hasAlphaChannel());
    // The tint at hue 0, saturation 0.65, half opacity, stored unpremultiplied.
    const QColor middle = image.pixelColor(60, 45);
    const int got[] = {middle.alpha(), middle.red(), middle.green(), middle.blue()};
    const int want[] = {128, 255, 89, 89};
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(got[i], want[i], i == 0 ? 1 : 2) << i;
}
} // namespace
