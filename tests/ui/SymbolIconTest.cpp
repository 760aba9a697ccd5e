#include "UiTestSupport.h"
#include "ui/SymbolLabel.h"

#include <cstdlib>

namespace {
// Drawn (the artwork covers a share of the picture, at any size: not blank, not
// a filled square) in the colour of its most opaque pixel, up to the rounding of
// premultiplied alpha on partly covered pixels.
void expectDrawnIn(const QPixmap& pixmap, const QColor& colour, const QString& name) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    double ink = 0;
    QColor strongest(0, 0, 0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            ink += c.alphaF();
            if (c.alpha() > strongest.alpha())
                strongest = c;
        }
    const double share = ink / (image.width() * image.height());
    EXPECT_GT(share, 0.05) << name.toStdString();
    EXPECT_LT(share, 0.75) << name.toStdString();
    EXPECT_LE(std::abs(strongest.red() - colour.red()) +
                  std::abs(strongest.green() - colour.green()) +
                  std::abs(strongest.blue() - colour.blue()),
              6)
        << name.toStdString();
}
} // namespace

// Every symbol the panels use: the rows' and the picker's labels, both of the
// switch's ("display", "display.slash") and the buttons'.
TEST(SymbolIcon, EverySymbolIsDrawnAndFollowsThePaletteWhenItChanges) {
    TestSettings t;
    TrayPanelContent panel(*t.settings);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    const QList<SymbolLabel*> labels = panel.findChildren<SymbolLabel*>();
    ASSERT_EQ(labels.size(), 13);
    SwitchToggle* toggle = panel.settingsView()->enableSwitch();
    const QPalette original = QApplication::palette();

    for (const QColor& colour : {QColor(240, 240, 240), QColor(200, 40, 10)}) {
        QPalette palette = original;
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::ButtonText, colour);
        QApplication::setPalette(palette);
        // Windows learn of a new application palette through the event queue.
        QApplication::processEvents();
        for (const SymbolLabel* label : labels)
            expectDrawnIn(label->pixmap(), colour, label->symbol());
        for (const SymbolButton* button : {panel.resetButton(), panel.quitButton()})
            expectDrawnIn(button->icon().pixmap(24, 24), colour, button->text());
        for (int i = 0; i < 2; ++i) {
            expectDrawnIn(toggle->icon().pixmap(24, 24), colour, toggle->symbol());
            toggle->click();
        }
    }
    QApplication::setPalette(original);
    QApplication::processEvents();
}
