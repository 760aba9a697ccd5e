#include <QApplication>
#include <gtest/gtest.h>

// GoogleTest entry point with a QApplication, for tests that need widgets,
// screens or the event loop. Without a platform named in the environment (as
// when CTest lists the tests) it runs offscreen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
