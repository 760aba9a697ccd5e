#include "app/TrayIcon.h"
#include "ui/TrayPanel.h"

#include <gtest/gtest.h>

// Trays that tell no icon position: the panel goes to the top-right corner of
// the screen under the pointer, on that screen.
TEST(TrayIcon, PanelOpensAtTheIconOrTheTopRightOfThePointersScreen) {
    const QRect icon(1800, 0, 24, 24);
    EXPECT_EQ(TrayIcon::panelAnchor(icon, QPoint(2500, 600)), icon);

    const QRect right(1920, 0, 1280, 1024);
    const QSize panel(342, 592);
    const QRect anchor = TrayIcon::panelAnchor(QRect(), QPoint(2500, 600));
    const QPoint corner = TrayPanel::placement(anchor, panel, right);
    EXPECT_EQ(corner.x() + panel.width(), right.x() + right.width());
    EXPECT_LE(corner.y(), TrayPanel::gap + 1);

    const QRect left = TrayIcon::panelAnchor(QRect(), QPoint(100, 900));
    EXPECT_EQ(left.topLeft(), QPoint(1919, 0));
}
