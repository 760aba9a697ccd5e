#include <QApplication>
#include <gtest/gtest.h>

// GoogleTest entry point with a QApplication, for tests that need widgets,
// screens or the event loop.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
