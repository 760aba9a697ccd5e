#include <QApplication>
#include <gtest/gtest.h>

// GoogleTest entry point with a QApplication, for tests that need widgets,
// screens or the event loop.
int main(int argc, char** argv) {
    // Test discovery runs the binary at build time without the test environment;
    // without a display QApplication would abort there.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
