#include "UiTestSupport.h"
#include "ui/EdgeFade.h"
#include "ui/ListScrollArea.h"
#include "ui/TrayPanel.h"

#include <QCursor>
#include <QScreen>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>

namespace {
QRect inside(const QWidget* widget, const QWidget* ancestor) {
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

// Keyboard alone: Tab order top to bottom, Space toggles, Escape closes.
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
    SettingsList* list() const { return panel.content()->settingsView(); }
    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
};
} // namespace

// Soft fades at the list's edges say that rows lie beyond them, and only then:
// the strip along an edge shows less of the rows than the rows' own picture.
TEST(Panels, FadeTheListsEdgesKeepTheButtonsInsideAndTheListScrollingWithin) {
    OpenPanel open;
    ListScrollArea* area = open.panel.content()->listArea();
    QScrollBar* scroll = area->verticalScrollBar();
    const QColor background = area->palette().color(QPalette::Window);
    const auto ink = [&](const QImage& image) {
        double sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                sum += std::abs(c.red() - background.red()) +
                       std::abs(c.green() - background.green()) +
                       std::abs(c.blue() - background.blue());
            }
        return sum;
    };
    const auto shownShare = [&](Qt::Edge edge) {
        const QSize size = area->viewport()->size();
        const QRect strip(0, edge == Qt::TopEdge ? 0 : size.height() - EdgeFade::depth,
                          size.width(), EdgeFade::depth);
        const QImage shown = area->grab(strip.translated(area->viewport()->pos())).toImage();
        const QImage rows = area->widget()->grab(strip.translated(0, scroll->value())).toImage();
        return ink(shown) / ink(rows);
    };
    EXPECT_GT(shownShare(Qt::TopEdge), 0.98);
    EXPECT_LT(shownShare(Qt::BottomEdge), 0.7);
    scroll->setValue(scroll->maximum() / 2);
    EXPECT_LT(shownShare(Qt::TopEdge), 0.7);
    EXPECT_LT(shownShare(Qt::BottomEdge), 0.7);
    scroll->setValue(scroll->maximum());
    EXPECT_LT(shownShare(Qt::TopEdge), 0.7);
    EXPECT_GT(shownShare(Qt::BottomEdge), 0.98);

    const TrayPanelContent& view = *open.panel.content();
    // The tray panel's size is checked where it opens, end to end.
    EXPECT_EQ(SettingsWindowContent(*open.t.settings).size(), QSize(380, 620));
    const QRect list = inside(area, &view);
    for (const QWidget* button : {view.resetButton(), view.quitButton()}) {
        const QRect r = inside(button, &view);
        EXPECT_GT(r.top(), list.bottom());
        EXPECT_LE(r.bottom(), view.rect().bottom());
        EXPECT_GE(r.height(), button->sizeHint().height());
    }
    EXPECT_LT(inside(view.resetButton(), &view).right(), inside(view.quitButton(), &view).left());

    // The list is taller than its area; the wheel scrolls it unless the control
    // under the pointer has focus.
    EXPECT_GT(area->widget()->height(), area->height());
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
    SteppedSlider* slider = open.list()->row(Setting::gridOpacity)->slider();
    QComboBox* picker = open.list()->flickerPicker();
    EXPECT_TRUE(wheel(slider));
    EXPECT_TRUE(wheel(picker));
    EXPECT_EQ(settings.value(Setting::gridOpacity), 0.3);
    EXPECT_EQ(settings.flickerMode(), FlickerMode::soft);
    slider->setFocus();
    EXPECT_FALSE(wheel(slider));
    picker->setFocus();
    EXPECT_FALSE(wheel(picker));
    EXPECT_NE(settings.value(Setting::gridOpacity), 0.3);
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

// The list keeps the focused control in view (clear of the fades) however the
// focus got there, and the panel reopens at the top with its switch focused.
TEST(Keyboard, TabVisitsEveryControlInViewAndThePanelReopensAtTheTop) {
    OpenPanel open;
    ListScrollArea* area = open.panel.content()->listArea();
    // In view, and clear of the fade at an edge the list is not at.
    const auto inView = [&](QWidget* control) {
        const QScrollBar* scroll = area->verticalScrollBar();
        const QRect clear = area->viewport()->rect().adjusted(
            0, scroll->value() > 0 ? EdgeFade::depth : 0, 0,
            scroll->value() < scroll->maximum() ? -EdgeFade::depth : 0);
        return clear.contains(
            QRect(control->mapTo(area->viewport(), QPoint(0, 0)), control->size()));
    };
    for (const char* name : kOrder) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(focus->accessibleName(), QString(name));
        if (open.list()->isAncestorOf(focus)) {
            EXPECT_TRUE(inView(focus)) << name;
        }
        open.press(Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget(), open.list()->enableSwitch());
    open.press(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(), "Quit");

    // A press on a control half under the fade leaves the list where it is;
    // assistive technology moving the focus scrolls it.
    QScrollBar* scroll = area->verticalScrollBar();
    QWidget* lowest = open.list()->row(Setting::horizontalDrift)->slider();
    QTest::mousePress(lowest, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(QApplication::focusWidget(), lowest);
    EXPECT_EQ(scroll->value(), 0);
    QTest::mouseRelease(lowest, Qt::LeftButton, {}, QPoint(4, 4));
    QWidget* last = open.list()->row(Setting::dustNoise)->slider();
    last->setFocus();
    EXPECT_TRUE(inView(last));
    open.press(Qt::Key_Escape);
    EXPECT_FALSE(open.panel.isVisible());
    open.panel.showNear(QRect());
    EXPECT_EQ(QApplication::focusWidget(), open.list()->enableSwitch());
    EXPECT_EQ(scroll->value(), 0);
    open.press(Qt::Key_Space);
    EXPECT_TRUE(open.t.settings->isEnabled());
}
