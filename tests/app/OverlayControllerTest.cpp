#include "app/OverlayController.h"
#include "ManualFrameClock.h"
#include "app/ScreenName.h"
#include "app/ScreensMenu.h"
#include "settings/InMemoryPreferenceStore.h"
#include "settings/OverlaySettings.h"
#include "settings/ScreenSelection.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QWindow>
#include <gtest/gtest.h>

namespace {
// A controller over fresh settings whose screen list the test controls and
// whose reads of that list are counted (each read is one rebuild).
struct Fixture {
    OverlaySettings settings{std::make_unique<InMemoryPreferenceStore>()};
    ManualFrameClock clock;
    QList<QScreen*> screens = QGuiApplication::screens();
    int screenReads = 0;
    OverlayController controller{settings, clock, [this] {
                                     ++screenReads;
                                     return screens;
                                 }};
};

void runQueue() {
    QCoreApplication::processEvents();
}
} // namespace

// Requests wait for the queue, and those of one turn collapse to the last value;
// a screen change asks for a rebuild only while the overlay is on.
TEST(OverlayController, RequestsInOneTurnCollapseAndScreenChangesCountOnlyWhileOn) {
    Fixture f;
    f.controller.screensChanged();
    EXPECT_FALSE(f.controller.pendingVisibility().has_value());
    // True then false from hidden: nothing is ever built.
    f.controller.setVisible(true);
    EXPECT_EQ(f.controller.pendingVisibility(), std::optional<bool>(true));
    f.controller.setVisible(false);
    runQueue();
    EXPECT_EQ(f.screenReads, 0);
    EXPECT_TRUE(f.controller.windows().empty());

    // False then true, or two screen changes, from shown: one rebuild each.
    f.settings.setIsEnabled(true);
    EXPECT_TRUE(f.controller.windows().empty());
    runQueue();
    ASSERT_EQ(f.screenReads, 1);
    f.controller.setVisible(false);
    f.controller.setVisible(true);
    runQueue();
    EXPECT_EQ(f.screenReads, 2);
    f.screens.removeLast();
    f.controller.screensChanged();
    f.controller.screensChanged();
    runQueue();
    EXPECT_EQ(f.screenReads, 3);
    EXPECT_EQ(f.controller.windows().size(), 1u);
    EXPECT_FALSE(f.controller.pendingVisibility().has_value());
}

// Each panel covers its own screen and lets clicks through.
TEST(OverlayController, FollowsTheSwitchAndRebuildsEveryPanelWhenAskedWhileShown) {
    Fixture f;
    f.settings.setIsEnabled(true);
    runQueue();
    ASSERT_EQ(f.controller.windows().size(), 2u);
    std::vector<QPointer<QWidget>> old;
    for (const auto& [screen, panel] : f.controller.windows()) {
        EXPECT_EQ(panel->geometry(), screen->geometry()) << screen->name().toStdString();
        EXPECT_EQ(panel->windowHandle()->screen(), screen);
        EXPECT_TRUE(panel->windowFlags().testFlag(Qt::WindowTransparentForInput));
        EXPECT_TRUE(panel->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
        EXPECT_TRUE(panel->testAttribute(Qt::WA_TranslucentBackground));
        EXPECT_TRUE(panel->isVisible());
        old.emplace_back(panel.get());
    }
    f.controller.setVisible(true);
    runQueue();
    EXPECT_EQ(f.controller.windows().size(), 2u);
    for (const QPointer<QWidget>& panel : old)
        EXPECT_TRUE(panel.isNull()) << "an old panel survived the rebuild";
    f.settings.setIsEnabled(false);
    runQueue();
    EXPECT_TRUE(f.controller.windows().empty());
}

// The screen list is read when the request is carried out, not when it is made.
TEST(OverlayController, OnePanelPerListedScreenAndNoneWithoutScreens) {
    Fixture f;
    f.screens = {};
    f.controller.setVisible(true);
    runQueue();
    EXPECT_EQ(f.screenReads, 1);
    EXPECT_TRUE(f.controller.windows().empty());
    // A screen listed twice still gets one panel.
    f.controller.setVisible(true);
    f.screens = {QGuiApplication::screens().at(1), QGuiApplication::screens().at(1)};
    runQueue();
    ASSERT_EQ(f.controller.windows().size(), 1u);
    EXPECT_EQ(f.controller.windows().begin()->first, QGuiApplication::screens().at(1));
    EXPECT_EQ(QApplication::topLevelWidgets().size(), 1);
}

TEST(OverlayController, QueuedRequestOutlivingTheControllerDoesNothing) {
    auto f = std::make_unique<Fixture>();
    f->controller.setVisible(true);
    f.reset();
    runQueue();
    EXPECT_TRUE(QGuiApplication::topLevelWindows().isEmpty());
}

// A screen turned off in the "Screens" menu gets no panel while the others
// keep theirs; turning every screen off shows nothing. (That the choice
// outlives a restart and a replug is seen end to end.)
TEST(OverlayController, ScreensTurnedOffInTheMenuGetNoPanel) {
    Fixture f;
    const auto panelScreens = [&f] {
        QSet<QString> names;
        for (const auto& [screen, panel] : f.controller.windows())
            names.insert(screen->name());
        return names;
    };
    ScreenSelection selection(f.settings.store());
    ScreensMenu menu(selection, &ScreensMenu::qtScreens);
    // Each item shows and flips whether its screen gets a panel.
    const auto click = [&](const QString& label) {
        emit menu.aboutToShow();
        for (QAction* action : menu.actions())
            if (action->text() == label) {
                EXPECT_TRUE(action->isCheckable());
                EXPECT_EQ(action->isChecked(), selection.isShown(label));
                action->trigger();
            }
        runQueue();
    };
    f.controller.useScreenSelection(&selection);
    f.settings.setIsEnabled(true);
    runQueue();
    ASSERT_EQ(panelScreens(), QSet<QString>({"left", "right"}));
    click("left");
    EXPECT_EQ(panelScreens(), QSet<QString>({"right"}));
    click("right");
    EXPECT_TRUE(f.controller.windows().empty());
    click("right");
    EXPECT_EQ(panelScreens(), QSet<QString>({"right"}));
    f.controller.useScreenSelection(nullptr);
}

TEST(ScreenName, LabelsAndIdentitiesAsTheSystemNamesTheScreen) {
    const ScreenName dell{"DP-1", "Dell Inc.", "DELL U2720Q", "ABC123"};
    EXPECT_EQ(dell.label(), "DELL U2720Q (DP-1)");
    EXPECT_EQ(dell.identity(), "DP-1|DELL U2720Q|ABC123");
    EXPECT_EQ((ScreenName{"HDMI-1", "Acme", "", ""}).label(), "Acme (HDMI-1)");
    EXPECT_EQ((ScreenName{"HDMI-1", "Acme", "", ""}).identity(), "HDMI-1");
}
