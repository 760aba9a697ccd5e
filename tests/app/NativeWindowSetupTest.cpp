#include "app/NativeWindowSetup.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

TEST(NativeWindowSetup, RunsOnlyUnderThePlatformPluginItIsWrittenFor) {
#ifdef Q_OS_MACOS
    const QString native = QStringLiteral("cocoa");
#else
    const QString native = QStringLiteral("xcb");
#endif
    EXPECT_TRUE(NativeWindowSetup::runsOn(native));
    EXPECT_FALSE(NativeWindowSetup::runsOn(u"wayland"));
    EXPECT_FALSE(NativeWindowSetup::runsOn(u"offscreen"));
    // These tests run offscreen, where a winId() is no native handle.
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    EXPECT_FALSE(NativeWindowSetup::runs());
}
