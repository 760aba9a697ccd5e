#include "ContentView.h"
#include "FilterSettingsView.h"
#include "MenuBarContentView.h"
#include "SettingSlider.h"
#include "SteppedSlider.h"
#include "SwitchToggle.h"
#include "SymbolButton.h"
#include "TrayPanel.h"
#include "UiTestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {
QRect inside(const QWidget* widget, const QWidget* ancestor) {
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

// Keyboard alone: Tab order top to bottom, arrows step, Space toggles, Escape closes.
const char* const kOrder[] = {
    "Overlay disabled", "Pixel size",       "Grid",         "Scanlines",
    "Tint color",       "Tint strength",    "Flicker type", "Pixel flicker",
    "Phosphor glow",    "Horizontal drift", "Drift speed",  "Rolling band",
    "Band speed",       "Signal dust",      "Reset",        "Quit",
};

// The tray panel opened as from a tray that gives no icon geometry.
struct OpenPanel {
    TestSettings t;
    TrayPanel panel{*t.settings};
    QRect available = QGuiApplication::primaryScreen()->availableGeometry();

    OpenPanel() {
        QCursor::setPos(available.center() + QPoint(100, -200));
        panel.showNear(QRect());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&panel));
    }
    FilterSettingsView* list() const { return panel.content()->settingsView(); }
    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
};
} // namespace

TEST(Panels, KeepTheirFixedSizesWithTheButtonsInsideAndTheListScrollingWithin) {
    OpenPanel open;
    const MenuBarContentView& view = *open.panel.content();
    EXPECT_EQ(ContentView(*open.t.settings).size(), QSize(380, 620));
    EXPECT_EQ(view.size(), QSize(340, 590));
    EXPECT_EQ(view.listArea()->size(), QSize(308, 520));
    EXPECT_EQ(view.listArea()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(view.listArea()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    const QRect list = inside(view.listArea(), &view);
    EXPECT_EQ(list.left(), 16);
    for (const QWidget* button : {view.resetButton(), view.quitButton()}) {
        const QRect r = inside(button, &view);
        EXPECT_GT(r.top(), list.bottom());
        EXPECT_LE(r.bottom(), view.rect().bottom());
        EXPECT_GE(r.height(), button->sizeHint().height());
    }
    EXPECT_LT(inside(view.resetButton(), &view).right(), inside(view.quitButton(), &view).left());
    EXPECT_EQ(inside(view.quitButton(), &view).right(), 340 - 16 - 1);

    // The list is taller than its area; the wheel scrolls it unless the control
    // under the pointer has focus.
    EXPECT_GT(view.listArea()->widget()->height(), 520);
    QScrollBar* scroll = view.listArea()->verticalScrollBar();
    const auto wheel = [&](QWidget* control) {
        scroll->setValue(0);
        const QPointF at = control->rect().center();
        QWheelEvent event(at, control->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        // As if from the window system (notify keeps the flag, sendEvent would clear
        // it): only such wheel events travel on to the parents.
        QSpontaneKeyEvent::setSpontaneous(&event);
        qApp->notify(control, &event);
        return scroll->value() > 0;
    };
    OverlaySettings& settings = *open.t.settings;
    SteppedSlider* slider = open.list()->row(OverlaySettings::Number::gridOpacity)->slider();
    QComboBox* picker = open.list()->flickerPicker();
    EXPECT_TRUE(wheel(slider));
    EXPECT_TRUE(wheel(picker));
    EXPECT_EQ(settings.gridOpacity(), 0.3);
    EXPECT_EQ(settings.flickerMode(), FlickerMode::soft);
    slider->setFocus();
    EXPECT_FALSE(wheel(slider));
    picker->setFocus();
    EXPECT_FALSE(wheel(picker));
    EXPECT_NE(settings.gridOpacity(), 0.3);
    EXPECT_NE(settings.flickerMode(), FlickerMode::soft);
}

TEST(TrayPanel, OpensBesideTheTrayIconOrAtTheCursorAndStaysOnTheScreen) {
    const QSize size(342, 592);
    const int gap = TrayPanel::gap;
    const QRect top(0, 28, 1920, 1052);
    const struct {
        QRect icon, available;
        QPoint corner;
    } cases[] = {
        // Top panel, icon near the right edge: below the icon, pushed left to fit.
        {QRect(1880, 2, 24, 24), top, QPoint(1920 - 342, 26 + gap)},
        // Icon in the middle of a top panel: centred under it.
        {QRect(900, 2, 24, 24), top, QPoint(911 - 171, 26 + gap)},
        // Bottom panel: above the icon.
        {QRect(100, 1053, 24, 24), QRect(0, 0, 1920, 1050), QPoint(0, 1053 - gap - 592)},
        // Vertical panel on the left: beside the icon, kept above the bottom edge.
        {QRect(2, 1040, 24, 24), QRect(28, 0, 1892, 1080), QPoint(26 + gap, 1080 - 592)},
        // Beside the icon but not over the panel's own area.
        {QRect(2, 500, 24, 24), QRect(40, 0, 1880, 1080), QPoint(40, 511 - 296)},
        // A screen smaller than the panel keeps the top-left corner on it.
        {QRect(10, 10, 1, 1), QRect(0, 0, 300, 400), QPoint(0, 0)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TrayPanel::placement(c.icon, size, c.available), c.corner) << c.icon.x();

    // A tray that gives no geometry: at the mouse pointer, on its screen.
    OpenPanel open;
    EXPECT_EQ(open.panel.pos(), TrayPanel::placement(QRect(QCursor::pos(), QSize(1, 1)),
                                                     open.panel.size(), open.available));
    EXPECT_TRUE(open.available.contains(open.panel.geometry()));
}

TEST(Keyboard, TabVisitsEveryControlTopToBottomByItsAccessibleName) {
    // Opening the panel puts the focus on its first control.
    OpenPanel open;
    QScrollBar* scroll = open.panel.content()->listArea()->verticalScrollBar();
    for (const char* name : kOrder) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(focus->accessibleName(), QString(name));
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
    OverlaySettings& settings = *open.t.settings;
    open.list()->enableSwitch()->setFocus();
    open.press(Qt::Key_Space);
    EXPECT_TRUE(settings.isEnabled());
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(), "Overlay enabled");
    open.press(Qt::Key_Space);
    EXPECT_FALSE(settings.isEnabled());

    open.press(Qt::Key_Tab); // Pixel size
    open.press(Qt::Key_Right);
    EXPECT_EQ(settings.gridSize(), 5.0);
    open.press(Qt::Key_Left);
    open.press(Qt::Key_Left);
    EXPECT_EQ(settings.gridSize(), 3.0);
    open.press(Qt::Key_End);
    EXPECT_EQ(settings.gridSize(), 48.0);

    open.press(Qt::Key_Tab); // Grid
    open.press(Qt::Key_Left);
    EXPECT_EQ(settings.gridOpacity(), 0.29);
    EXPECT_EQ(open.list()->row(OverlaySettings::Number::gridOpacity)->formattedValue(), "29 %");
    open.press(Qt::Key_Up);
    EXPECT_EQ(settings.gridOpacity(), 0.3);

    open.press(Qt::Key_Escape);
    EXPECT_FALSE(open.panel.isVisible());
}
