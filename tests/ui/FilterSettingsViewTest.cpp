#include "FilterSettingsView.h"
#include "QtPrinters.h"
#include "SettingSlider.h"
#include "SteppedSlider.h"
#include "SwitchToggle.h"
#include "TestSettings.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {
using Number = OverlaySettings::Number;

struct ExpectedRow {
    Number number;
    const char* title;
    const char* symbol;
    double lower, upper, step;
    const char* defaultText;
};

const ExpectedRow kExpected[] = {
    {Number::gridSize, "Pixel size", "square.grid.3x3", 2, 48, 1, "4 px"},
    {Number::gridOpacity, "Grid", "grid", 0, 1, 0.01, "30 %"},
    {Number::scanlineOpacity, "Scanlines", "line.3.horizontal", 0, 1, 0.01, "0 %"},
    {Number::tintHue, "Tint color", "paintpalette", 0, 1, 0.01, "118°"},
    {Number::tintOpacity, "Tint strength", "circle.lefthalf.filled", 0, 1, 0.01, "0 %"},
    {Number::flickerIntensity, "Pixel flicker", "sparkles.tv", 0, 1, 0.01, "0 %"},
    {Number::phosphorGlow, "Phosphor glow", "light.max", 0, 1, 0.01, "0 %"},
    {Number::horizontalDrift, "Horizontal drift", "arrow.left.and.right", 0, 1, 0.01, "0 %"},
    {Number::horizontalDriftSpeed, "Drift speed", "speedometer", 0, 1, 0.01, "50 %"},
    {Number::rollingBand, "Rolling band", "rectangle.compress.vertical", 0, 1, 0.01, "0 %"},
    {Number::rollingBandSpeed, "Band speed", "speedometer", 0, 1, 0.01, "50 %"},
    {Number::dustNoise, "Signal dust", "circle.grid.cross", 0, 1, 0.01, "0 %"},
};

void clickSwitch(SwitchToggle* toggle) {
    QTest::mouseClick(toggle, Qt::LeftButton, {}, toggle->trackRect().center());
}

// Asserts that every control shows the settings' current values.
void expectShowsDefaults(const FilterSettingsView& view) {
    EXPECT_FALSE(view.enableSwitch()->isChecked());
    EXPECT_EQ(view.enableSwitch()->text(), "Overlay disabled");
    for (const ExpectedRow& row : kExpected) {
        const SettingSlider* slider = view.row(row.number);
        EXPECT_EQ(slider->formattedValue(), row.defaultText) << row.title;
        const double d = OverlaySettings::spec(row.number).defaultValue;
        EXPECT_EQ(slider->slider()->sliderPosition(),
                  std::lround((d - row.lower) / row.step * SteppedSlider::subdivisions));
    }
    EXPECT_EQ(view.flickerPicker()->currentText(), "Soft");
}
} // namespace

TEST(FilterSettingsView, EntriesInOrderWithTheHeaderOnlyWhenAsked) {
    TestSettings t;
    FilterSettingsView withHeader(*t.settings, true);
    FilterSettingsView without(*t.settings, false);
    const QList<QWidget*> a = withHeader.entries();
    const QList<QWidget*> b = without.entries();
    ASSERT_EQ(a.size(), 16);
    ASSERT_EQ(b.size(), 15);
    EXPECT_EQ(without.header(), nullptr);
    EXPECT_EQ(b.first(), without.enableSwitch());
    ASSERT_EQ(a.first(), withHeader.header());
    const QList<QLabel*> texts = withHeader.header()->findChildren<QLabel*>();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0]->text() + texts[1]->text(),
              "Retro GlimmerCRT overlay for videos, browsers, and local players.");

    // The same fifteen entries follow in both.
    for (int i = 0; i < 15; ++i)
        EXPECT_STREQ(a[i + 1]->metaObject()->className(), b[i]->metaObject()->className()) << i;
    EXPECT_STREQ(b[6]->metaObject()->className(), "Divider");
    EXPECT_TRUE(b[7]->isAncestorOf(without.flickerPicker()));
    int expected = 0;
    for (QWidget* entry : b) {
        auto* row = qobject_cast<SettingSlider*>(entry);
        if (!row)
            continue;
        const ExpectedRow& want = kExpected[expected++];
        EXPECT_EQ(row, without.row(want.number));
        EXPECT_EQ(row->title() + " " + row->systemImage(), QString(want.title) + " " + want.symbol);
        EXPECT_EQ(
            QList<double>({row->slider()->lower(), row->slider()->upper(), row->slider()->step()}),
            QList<double>({want.lower, want.upper, want.step}));
    }
    EXPECT_EQ(expected, 12);
}

TEST(FilterSettingsView, SwitchLabelStatesTheOverlaysState) {
    TestSettings t;
    FilterSettingsView view(*t.settings, false);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    SwitchToggle* toggle = view.enableSwitch();
    EXPECT_EQ(toggle->symbol(), "display.slash");
    clickSwitch(toggle);
    EXPECT_TRUE(t.settings->isEnabled());
    EXPECT_EQ(toggle->text() + " " + toggle->symbol(), "Overlay enabled display");
    EXPECT_EQ(toggle->accessibleName(), "Overlay enabled");
    clickSwitch(toggle);
    EXPECT_FALSE(t.settings->isEnabled());
    EXPECT_EQ(toggle->text() + " " + toggle->symbol(), "Overlay disabled display.slash");
}

TEST(FilterSettingsView, ValuesSetElsewhereAreShownAndNeverWrittenBack) {
    TestSettings t;
    FilterSettingsView view(*t.settings, false);
    const int gridWrites = t.writes("gridSize");
    const int opacityWrites = t.writes("gridOpacity");
    const int enabledWrites = t.writes("isEnabled");
    const int modeWrites = t.writes("flickerMode");

    t.settings->setGridSize(4.7);
    t.settings->setGridOpacity(0.57);
    t.settings->setIsEnabled(true);
    t.settings->setFlickerMode(FlickerMode::pulse);

    const SettingSlider* pixel = view.row(Number::gridSize);
    EXPECT_EQ(pixel->formattedValue(), "4 px");
    EXPECT_EQ(pixel->slider()->sliderPosition(), 270);
    EXPECT_EQ(view.row(Number::gridOpacity)->formattedValue(), "56 %");
    EXPECT_TRUE(view.enableSwitch()->isChecked());
    EXPECT_EQ(view.flickerPicker()->currentText(), "Pulse");
    // One write each: the assignment itself, nothing from the controls.
    EXPECT_EQ(t.writes("gridSize"), gridWrites + 1);
    EXPECT_EQ(t.writes("gridOpacity"), opacityWrites + 1);
    EXPECT_EQ(t.writes("isEnabled"), enabledWrites + 1);
    EXPECT_EQ(t.writes("flickerMode"), modeWrites + 1);
    EXPECT_DOUBLE_EQ(t.settings->gridSize(), 4.7);
}

TEST(FilterSettingsView, ChoosingJitterWritesJitter) {
    TestSettings t;
    FilterSettingsView view(*t.settings, false);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QComboBox* picker = view.flickerPicker();
    picker->showPopup();
    QWidget* popup = picker->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup->window()));
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(t.settings->flickerMode(), FlickerMode::jitter);
    EXPECT_EQ(picker->currentText(), "Jitter");
    EXPECT_EQ(t.writes("flickerMode"), 1);
}

TEST(FilterSettingsView, ShowsTheDefaultsAtFirstAndAgainAfterAReset) {
    TestSettings t;
    FilterSettingsView view(*t.settings, false);
    expectShowsDefaults(view);
    t.settings->setIsEnabled(true);
    t.settings->setFlickerMode(FlickerMode::jitter);
    for (const ExpectedRow& row : kExpected)
        view.row(row.number)->slider()->triggerAction(QAbstractSlider::SliderToMaximum);
    ASSERT_EQ(view.row(Number::gridSize)->formattedValue(), "48 px");
    t.settings->resetToDefaults();
    expectShowsDefaults(view);
}
