#include "FilterSettingsView.h"
#include "MenuBarContentView.h"
#include "QtPrinters.h"
#include "SettingSlider.h"
#include "SteppedSlider.h"
#include "SwitchToggle.h"
#include "SymbolButton.h"
#include "TestSettings.h"
#include "TrayPanel.h"

#include <QApplication>
#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {
using Number = OverlaySettings::Number;

const char* const kOrder[] = {
    "Overlay disabled", "Pixel size",       "Grid",         "Scanlines",
    "Tint color",       "Tint strength",    "Flicker type", "Pixel flicker",
    "Phosphor glow",    "Horizontal drift", "Drift speed",  "Rolling band",
    "Band speed",       "Signal dust",      "Reset",        "Quit",
};

struct OpenPanel {
    TestSettings t;
    TrayPanel panel{*t.settings};

    OpenPanel() {
        panel.showNear(QRect(600, 0, 24, 24));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&panel));
    }
    FilterSettingsView* list() const { return panel.content()->settingsView(); }
    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
};
} // namespace

TEST(Keyboard, TabVisitsEveryControlTopToBottomByItsAccessibleName) {
    // Opening the panel puts the focus on its first control.
    OpenPanel open;
    QScrollBar* scroll = open.panel.content()->listArea()->verticalScrollBar();
    for (const char* name : kOrder) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(focus->accessibleName(), name);
        if (QString(name) == "Signal dust") {
            // The hidden-scroll-bar list still scrolls the focused control into view.
            EXPECT_GT(scroll->value(), 0);
            const QRect area(QPoint(0, 0), open.panel.content()->listArea()->viewport()->size());
            const QPoint top =
                focus->mapTo(open.panel.content()->listArea()->viewport(), QPoint(0, 0));
            EXPECT_TRUE(area.contains(QRect(top, focus->size())));
        }
        open.press(Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget(), open.list()->enableSwitch());
    open.press(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(), "Quit");
}

TEST(Keyboard, KeysChangeTheSettingsOneStepAtATime) {
    OpenPanel open;
    open.list()->enableSwitch()->setFocus();
    open.press(Qt::Key_Space);
    EXPECT_TRUE(open.t.settings->isEnabled());
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(), "Overlay enabled");
    open.press(Qt::Key_Space);
    EXPECT_FALSE(open.t.settings->isEnabled());

    open.press(Qt::Key_Tab); // Pixel size
    open.press(Qt::Key_Right);
    EXPECT_EQ(open.t.settings->gridSize(), 5.0);
    open.press(Qt::Key_Left);
    open.press(Qt::Key_Left);
    EXPECT_EQ(open.t.settings->gridSize(), 3.0);
    open.press(Qt::Key_End);
    EXPECT_EQ(open.t.settings->gridSize(), 48.0);

    open.press(Qt::Key_Tab); // Grid
    open.press(Qt::Key_Left);
    EXPECT_EQ(open.t.settings->gridOpacity(), 0.29);
    EXPECT_EQ(open.list()->row(Number::gridOpacity)->formattedValue(), "28 %");
    open.press(Qt::Key_Up);
    EXPECT_EQ(open.t.settings->gridOpacity(), 0.3);

    QComboBox* picker = open.list()->flickerPicker();
    picker->setFocus();
    open.press(Qt::Key_Down);
    EXPECT_EQ(open.t.settings->flickerMode(), FlickerMode::pulse);

    open.panel.content()->resetButton()->setFocus();
    open.press(Qt::Key_Space);
    EXPECT_EQ(open.t.settings->gridSize(), 4.0);
    EXPECT_EQ(open.t.settings->flickerMode(), FlickerMode::soft);
    EXPECT_TRUE(open.panel.isVisible());
    open.press(Qt::Key_Escape);
    EXPECT_FALSE(open.panel.isVisible());
}
