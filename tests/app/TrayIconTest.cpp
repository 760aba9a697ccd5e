#include "app/TrayIcon.h"

#include <gtest/gtest.h>

// Trays that tell no icon position: the panel opens at the top-right corner of
// the screen under the pointer (where it lands from there is the panel's own
// placement, tested with the panel).
TEST(TrayIcon, PanelOpensAtTheIconOrTheTopRightOfThePointersScreen) {
    const QRect icon(1800, 0, 24, 24);
    EXPECT_EQ(TrayIcon::panelAnchor(icon, QPoint(2500, 600)), icon);
    EXPECT_EQ(TrayIcon::panelAnchor(QRect(), QPoint(2500, 600)), QRect(3199, 0, 1, 1));
    EXPECT_EQ(TrayIcon::panelAnchor(QRect(), QPoint(100, 900)), QRect(1919, 0, 1, 1));
}
