#include "ui/ValueText.h"
#include "UiTestSupport.h"
#include "ui/PanelFonts.h"
#include "ui/SecondaryLabel.h"

#include <limits>

// Each step a slider writes, and the double nearest each step's decimal (what a
// settings file holds), shows its own number: 0.29 x 100 is 28.999999999999996.
// Between steps the number is truncated toward zero, saturates, and NaN is a dash.
TEST(ValueText, EveryStepShowsItsOwnNumberAndBetweenStepsTruncatesTowardZero) {
    const SteppedSlider fraction(0, 1, 0.01);
    for (int k = 0; k <= 100; ++k)
        for (double v : {fraction.valueAtStep(k), k / 100.0}) {
            EXPECT_EQ(ValueText::percent(v), QString::number(k) + " %");
            EXPECT_EQ(ValueText::degrees(v), QString::number(36 * k / 10) + "°");
        }
    const SteppedSlider pixels(2, 48, 1);
    for (int k = 0; k <= pixels.stepCount(); ++k)
        EXPECT_EQ(ValueText::pixels(pixels.valueAtStep(k)), QString::number(2 + k) + " px");

    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<QString, const char*> cases[] = {
        {ValueText::percent(0.2899), "28 %"},
        {ValueText::degrees(0.0099), "3°"},
        {ValueText::pixels(4.7), "4 px"},
        {ValueText::pixels(-2.7), "-2 px"},
        {ValueText::percent(-0.005), "0 %"},
        {ValueText::pixels(inf), "9223372036854775807 px"},
        {ValueText::percent(-inf), "-9223372036854775808 %"},
        // -2^63 itself is representable and must not be mistaken for an overflow.
        {ValueText::pixels(-9223372036854775808.0), "-9223372036854775808 px"},
        {ValueText::degrees(std::numeric_limits<double>::quiet_NaN()), "–°"},
    };
    for (const auto& [shown, expected] : cases)
        EXPECT_EQ(shown, QString(expected));
}

TEST(PanelFonts, PixelSizedFontsScale) {
    QFont pixels;
    pixels.setPixelSize(20);
    EXPECT_EQ(PanelFonts::title(pixels).pixelSize(), 28);
}

// The value texts and the tagline read at least 4.5:1 against the background
// they are drawn on, in a light and in a dark palette.
TEST(ValueText, ValueTextsAndTaglineAreReadableInALightAndADarkPalette) {
    EXPECT_NEAR(SecondaryLabel::contrast(QColor(0x7c7c7c), QColor(0xefefef)), 3.6, 0.05);
    TestSettings t;
    SettingsWindowContent window(*t.settings);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QList<SecondaryLabel*> labels = window.findChildren<SecondaryLabel*>();
    ASSERT_EQ(labels.size(), 13);
    const QPalette original = QApplication::palette();
    for (const QPalette& palette : {original, darkPalette()}) {
        QApplication::setPalette(palette);
        QApplication::processEvents();
        // The window colour is what the list is drawn on (seen beside the tagline).
        const QColor background = palette.color(QPalette::Window);
        const QWidget* header = window.settingsView()->header();
        EXPECT_EQ(window.grab().toImage().pixelColor(header->mapTo(&window, QPoint(0, 0))),
                  background);
        for (const SecondaryLabel* label : labels) {
            const double ratio = SecondaryLabel::contrast(
                label->palette().color(label->foregroundRole()), background);
            EXPECT_GE(ratio, 4.5) << label->text().toStdString();
            // Still of lesser weight than the main text.
            EXPECT_LT(ratio,
                      SecondaryLabel::contrast(palette.color(QPalette::WindowText), background));
        }
    }
    QApplication::setPalette(original);
    QApplication::processEvents();
}
