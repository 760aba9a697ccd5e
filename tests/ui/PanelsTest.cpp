#include "ContentView.h"
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
#include <QCursor>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {
using Number = OverlaySettings::Number;

QRect inside(const QWidget* widget, const QWidget* ancestor) {
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}
} // namespace

TEST(MenuBarContentView, KeepsItsFixedSizesAndFitsTheButtonsInsideTheFrame) {
    TestSettings t;
    MenuBarContentView view(*t.settings);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_EQ(view.size(), QSize(340, 590));
    EXPECT_EQ(view.listArea()->size(), QSize(308, 520));
    EXPECT_EQ(view.listArea()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(view.listArea()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(view.settingsView()->header(), nullptr);
    // The list is taller than its area, so it scrolls inside it.
    EXPECT_GT(view.listArea()->widget()->height(), 520);

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
}

TEST(MenuBarContentView, TheWheelScrollsTheListUnlessASliderHasFocus) {
    TestSettings t;
    MenuBarContentView view(*t.settings);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    SteppedSlider* slider = view.settingsView()->row(Number::gridOpacity)->slider();
    const auto wheel = [&] {
        const QPointF at = slider->rect().center();
        QWheelEvent event(at, slider->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        // As if from the window system (notify keeps the flag, sendEvent would clear
        // it): only such wheel events travel on to the parents.
        QSpontaneKeyEvent::setSpontaneous(&event);
        qApp->notify(slider, &event);
    };
    wheel();
    EXPECT_EQ(t.settings->gridOpacity(), 0.3);
    EXPECT_GT(view.listArea()->verticalScrollBar()->value(), 0);

    slider->setFocus();
    wheel();
    EXPECT_NE(t.settings->gridOpacity(), 0.3);
}

TEST(MenuBarContentView, ResetSwitchesTheOverlayOffAndRestoresTheControls) {
    TestSettings t;
    MenuBarContentView view(*t.settings);
    FilterSettingsView* list = view.settingsView();
    t.settings->setIsEnabled(true);
    list->row(Number::gridSize)->slider()->triggerAction(QAbstractSlider::SliderToMaximum);
    t.settings->setFlickerMode(FlickerMode::jitter);
    std::vector<bool> requests;
    t.settings->setVisibilityRequestHandler([&](bool v) { requests.push_back(v); });

    QTest::mouseClick(view.resetButton(), Qt::LeftButton);
    EXPECT_EQ(requests, std::vector<bool>{false});
    EXPECT_EQ(list->enableSwitch()->text(), "Overlay disabled");
    EXPECT_EQ(list->row(Number::gridSize)->formattedValue(), "4 px");
    EXPECT_EQ(list->flickerPicker()->currentText(), "Soft");
}

TEST(MenuBarContentView, QuitEndsTheEventLoopWithStatusZero) {
    TestSettings t;
    MenuBarContentView view(*t.settings);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QTimer::singleShot(0, view.quitButton(), [&] { view.quitButton()->click(); });
    // A watchdog only: if Quit did nothing, exec() must still return.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    watchdog.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST(ContentView, ShowsTheHeaderAndSharesTheSettingsWithThePanel) {
    TestSettings t;
    ContentView window(*t.settings);
    MenuBarContentView panel(*t.settings);
    EXPECT_EQ(window.size(), QSize(380, 620));
    ASSERT_NE(window.settingsView()->header(), nullptr);
    EXPECT_EQ(window.settingsView()->entries().first(), window.settingsView()->header());

    window.settingsView()
        ->row(Number::phosphorGlow)
        ->slider()
        ->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(panel.settingsView()->row(Number::phosphorGlow)->formattedValue(), "10 %");
    panel.settingsView()
        ->row(Number::phosphorGlow)
        ->slider()
        ->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(window.settingsView()->row(Number::phosphorGlow)->formattedValue(), "0 %");
}

TEST(TrayPanel, PlacementBesideTheTrayIconStaysOnTheScreen) {
    const QRect screen(0, 0, 1920, 1080);
    const QSize size(342, 592);
    // Top panel, icon near the right edge: below the icon, pushed left to fit.
    const QRect topAvailable(0, 28, 1920, 1052);
    EXPECT_EQ(TrayPanel::placement(QRect(1880, 2, 24, 24), size, topAvailable),
              QPoint(1920 - 342, 26 + TrayPanel::gap));
    // Icon in the middle of a top panel: centred under it.
    EXPECT_EQ(TrayPanel::placement(QRect(900, 2, 24, 24), size, topAvailable),
              QPoint(QRect(900, 2, 24, 24).center().x() - 171, 26 + TrayPanel::gap));
    // Bottom panel: above the icon.
    const QRect bottomAvailable(0, 0, 1920, 1050);
    EXPECT_EQ(TrayPanel::placement(QRect(100, 1053, 24, 24), size, bottomAvailable),
              QPoint(0, 1053 - TrayPanel::gap - 592));
    // Vertical panel on the left: beside the icon, kept above the bottom edge.
    const QRect leftAvailable(28, 0, 1892, 1080);
    EXPECT_EQ(TrayPanel::placement(QRect(2, 1040, 24, 24), size, leftAvailable),
              QPoint(26 + TrayPanel::gap, 1080 - 592));
    // Right of the icon but not over the panel's own area.
    EXPECT_EQ(TrayPanel::placement(QRect(2, 500, 24, 24), size, QRect(40, 0, 1880, 1080)).x(), 40);
    // A screen smaller than the panel keeps its top-left corner on screen.
    EXPECT_EQ(TrayPanel::placement(QRect(10, 10, 1, 1), size, QRect(0, 0, 300, 400)), QPoint(0, 0));
    EXPECT_TRUE(
        screen.contains(QRect(TrayPanel::placement(QRect(1919, 1079, 1, 1), size, screen), size)));
}

TEST(TrayPanel, WithoutIconGeometryOpensAtTheCursor) {
    TestSettings t;
    TrayPanel panel(*t.settings);
    QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint cursor = screen->availableGeometry().center() + QPoint(100, -200);
    QCursor::setPos(cursor);
    panel.showNear(QRect());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    EXPECT_EQ(panel.pos(), TrayPanel::placement(QRect(QCursor::pos(), QSize(1, 1)), panel.size(),
                                                screen->availableGeometry()));
    EXPECT_TRUE(screen->availableGeometry().contains(panel.geometry()));
}
