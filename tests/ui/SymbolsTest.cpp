#include "FilterSettingsView.h"
#include "MenuBarContentView.h"
#include "QtPrinters.h"
#include "SwitchToggle.h"
#include "SymbolButton.h"
#include "SymbolIcon.h"
#include "SymbolLabel.h"
#include "TestSettings.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {
const char* const kSymbols[] = {
    "square.grid.3x3",
    "grid",
    "line.3.horizontal",
    "paintpalette",
    "circle.lefthalf.filled",
    "waveform.path",
    "sparkles.tv",
    "light.max",
    "arrow.left.and.right",
    "speedometer",
    "rectangle.compress.vertical",
    "circle.grid.cross",
    "display",
    "display.slash",
    "arrow.counterclockwise",
    "power",
};

// Share of a 24-pixel rendering the artwork covers, and the colour of its
// most opaque pixel.
std::pair<double, QColor> coverage(const QIcon& icon) {
    const QImage image = icon.pixmap(24, 24).toImage().convertToFormat(QImage::Format_ARGB32);
    int covered = 0;
    QColor strongest(0, 0, 0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            covered += c.alpha() > 0;
            if (c.alpha() > strongest.alpha())
                strongest = c;
        }
    return {double(covered) / (image.width() * image.height()), strongest};
}

QColor symbolColour(const SymbolLabel& label) {
    return coverage(QIcon(label.pixmap())).second;
}

// Equal up to the rounding of premultiplied alpha on partly covered pixels.
bool sameColour(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2 &&
           std::abs(a.blue() - b.blue()) <= 2;
}
} // namespace

TEST(Symbols, EveryNamedSymbolIsDrawnAndTakesTheRequestedColour) {
    for (const char* name : kSymbols) {
        ASSERT_TRUE(SymbolIcon::exists(name)) << name;
        const auto [share, colour] = coverage(SymbolIcon::icon(name, QColor(200, 40, 10)));
        // Drawn, and not a filled square either.
        EXPECT_GT(share, 0.1) << name;
        EXPECT_LT(share, 0.9) << name;
        EXPECT_TRUE(sameColour(colour, QColor(200, 40, 10))) << name;
    }
}

TEST(Symbols, FollowThePaletteWhenItChanges) {
    TestSettings t;
    MenuBarContentView panel(*t.settings);
    FilterSettingsView view(*t.settings, true);
    view.show();
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    const QList<SymbolLabel*> labels = view.findChildren<SymbolLabel*>();
    ASSERT_EQ(labels.size(), 13);
    // The symbols drawn into the switch and the buttons rather than into labels.
    const auto others = [&] {
        return std::vector<QColor>{
            coverage(view.enableSwitch()->icon()).second,
            coverage(panel.resetButton()->icon()).second,
            coverage(panel.quitButton()->icon()).second,
        };
    };
    const QPalette original = QApplication::palette();

    QPalette dark = original;
    dark.setColor(QPalette::WindowText, QColor(240, 240, 240));
    dark.setColor(QPalette::ButtonText, QColor(240, 240, 240));
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    QApplication::setPalette(dark);
    // Windows learn of a new application palette through the event queue.
    QApplication::processEvents();
    for (const SymbolLabel* label : labels)
        EXPECT_TRUE(sameColour(symbolColour(*label), QColor(240, 240, 240)))
            << label->symbol().toStdString();
    for (const QColor& colour : others())
        EXPECT_TRUE(sameColour(colour, QColor(240, 240, 240)));

    QPalette light = original;
    light.setColor(QPalette::WindowText, QColor(20, 20, 20));
    QApplication::setPalette(light);
    QApplication::processEvents();
    for (const SymbolLabel* label : labels)
        EXPECT_TRUE(sameColour(symbolColour(*label), QColor(20, 20, 20)))
            << label->symbol().toStdString();
    QApplication::setPalette(original);
    QApplication::processEvents();
}
