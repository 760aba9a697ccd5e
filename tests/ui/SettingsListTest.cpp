#include "ui/SettingsList.h"
#include "UiTestSupport.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QLabel>

namespace {

struct Row {
    Setting setting;
    const char* title;
    const char* symbol;
    const char* defaultText;
    int defaultPosition; // a hundred positions per step
};

const Row kRows[] = {
    {Setting::gridSize, "Pixel size", "square.grid.3x3", "4 px", 200},
    {Setting::gridOpacity, "Grid", "grid", "30 %", 3000},
    {Setting::scanlineOpacity, "Scanlines", "line.3.horizontal", "0 %", 0},
    {Setting::tintHue, "Tint color", "paintpalette", "118°", 3300},
    {Setting::tintOpacity, "Tint strength", "circle.lefthalf.filled", "0 %", 0},
    {Setting::flickerIntensity, "Pixel flicker", "sparkles.tv", "0 %", 0},
    {Setting::phosphorGlow, "Phosphor glow", "light.max", "0 %", 0},
    {Setting::horizontalDrift, "Horizontal drift", "arrow.left.and.right", "0 %", 0},
    {Setting::horizontalDriftSpeed, "Drift speed", "speedometer", "50 %", 5000},
    {Setting::rollingBand, "Rolling band", "rectangle.compress.vertical", "0 %", 0},
    {Setting::rollingBandSpeed, "Band speed", "speedometer", "50 %", 5000},
    {Setting::dustNoise, "Signal dust", "circle.grid.cross", "0 %", 0},
};

void expectShowsDefaults(const SettingsList& view) {
    EXPECT_FALSE(view.enableSwitch()->isChecked());
    EXPECT_EQ(view.enableSwitch()->text() + " " + view.enableSwitch()->symbol(),
              "Overlay disabled display.slash");
    for (const Row& row : kRows) {
        EXPECT_EQ(view.row(row.setting)->formattedValue(), row.defaultText) << row.title;
        EXPECT_EQ(view.row(row.setting)->slider()->sliderPosition(), row.defaultPosition);
    }
    EXPECT_EQ(view.flickerPicker()->currentText(), "Soft");
}

QStringList texts(const SettingsList& view) {
    QStringList all;
    for (const Row& row : kRows)
        all.append(view.row(row.setting)->formattedValue());
    return all;
}
} // namespace

// The entries in order, the header only in the settings window. Each row writes
// exactly its bounds and steps (2...48 by 1 or 0...1 by 0.01) and follows its own
// setting; reset switches the overlay off and restores them all.
TEST(SettingsList, EntriesInOrderEachRowWritesAndFollowsItsOwnSettingAndResetRestoresThem) {
    TestSettings t;
    SettingsWindowContent window(*t.settings);
    TrayPanelContent panel(*t.settings);
    EXPECT_EQ(panel.settingsView()->header(), nullptr);
    const QList<QWidget*> withHeader = window.settingsView()->entries();
    ASSERT_EQ(withHeader.size(), 17);
    ASSERT_EQ(withHeader.first(), window.settingsView()->header());
    const QList<QLabel*> labels = withHeader.first()->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 2);
    EXPECT_EQ(labels[0]->text() + labels[1]->text(),
              "Retro GlimmerCRT overlay for videos, browsers, and local players.");

    SettingsList* list = panel.settingsView();
    const QList<QWidget*> entries = list->entries();
    ASSERT_EQ(entries.size(), 16);
    EXPECT_EQ(entries[0], list->enableSwitch());
    // The line under the switch shows only while a compositor is needed.
    EXPECT_EQ(entries[1], list->compositorNote());
    EXPECT_TRUE(list->compositorNote()->isHidden());
    EXPECT_STREQ(entries[7]->metaObject()->className(), "Divider");
    EXPECT_TRUE(entries[8]->isAncestorOf(list->flickerPicker()));
    int next = 0;
    for (QWidget* entry : entries)
        if (auto* row = qobject_cast<SettingSlider*>(entry)) {
            const Row& want = kRows[next++];
            EXPECT_EQ(row, list->row(want.setting));
            EXPECT_EQ(row->title() + " " + row->systemImage(),
                      QString(want.title) + " " + want.symbol);
        }
    EXPECT_EQ(next, 12);

    expectShowsDefaults(*list);
    t.settings->setIsEnabled(true);
    t.settings->setFlickerMode(FlickerMode::jitter);
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const Row& row = kRows[i];
        const bool pixels = row.setting == Setting::gridSize;
        SteppedSlider* slider = list->row(row.setting)->slider();
        slider->triggerAction(QAbstractSlider::SliderToMinimum);
        slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        EXPECT_EQ(t.settings->value(row.setting), pixels ? 3.0 : 0.01) << row.title;
        slider->triggerAction(QAbstractSlider::SliderToMaximum);
        EXPECT_EQ(t.settings->value(row.setting), pixels ? 48.0 : 1.0) << row.title;
        // A change made elsewhere shows in its own row and in no other.
        QStringList expected = texts(*list);
        t.settings->setValue(row.setting, pixels ? 9.0 : 0.77);
        expected[qsizetype(i)] = pixels                            ? "9 px"
                                 : row.setting == Setting::tintHue ? "277°"
                                                                   : "77 %";
        EXPECT_EQ(texts(*list), expected) << row.title;
    }

    QTest::mouseClick(panel.resetButton(), Qt::LeftButton);
    EXPECT_FALSE(t.settings->isEnabled());
    expectShowsDefaults(*list);
}

// Changes from elsewhere show at once and are never written back; each thing the
// user does is written once.
TEST(SettingsList, ControlsFollowTheSettingsAndWriteOnlyWhatTheUserDoes) {
    TestSettings t;
    SettingsList view(*t.settings, false);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const auto writes = [&] {
        return t.writes("gridSize") + t.writes("isEnabled") + t.writes("flickerMode");
    };
    const int before = writes();
    t.settings->setValue(Setting::gridSize, 4.7);
    t.settings->setIsEnabled(true);
    t.settings->setFlickerMode(FlickerMode::pulse);
    EXPECT_EQ(writes(), before + 3);
    const SettingSlider* pixel = view.row(Setting::gridSize);
    EXPECT_EQ(pixel->formattedValue(), "4 px");
    EXPECT_EQ(pixel->slider()->sliderPosition(), 270); // between the steps 4 and 5
    SwitchToggle* toggle = view.enableSwitch();
    EXPECT_EQ(toggle->text() + " " + toggle->symbol(), "Overlay enabled display");
    QComboBox* picker = view.flickerPicker();
    EXPECT_EQ(picker->currentText(), "Pulse");

    QTest::mouseClick(toggle, Qt::LeftButton, {}, toggle->trackRect().center());
    EXPECT_FALSE(t.settings->isEnabled());
    EXPECT_EQ(toggle->text() + " " + toggle->symbol(), "Overlay disabled display.slash");
    // "Jitter" is the entry below "Pulse" in the picker's list.
    picker->showPopup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(picker->view()->window()));
    QTest::keyClick(picker->view(), Qt::Key_Down);
    QTest::keyClick(picker->view(), Qt::Key_Return);
    EXPECT_EQ(t.settings->flickerMode(), FlickerMode::jitter);
    EXPECT_EQ(picker->currentText(), "Jitter");

    // Assistive technology reads the row's title and value text; a value it sets
    // is a user edit, snapped to a step.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(pixel->slider());
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name) + " " + accessible->text(QAccessible::Value),
              "Pixel size 4 px");
    ASSERT_NE(accessible->valueInterface(), nullptr);
    EXPECT_EQ(accessible->valueInterface()->currentValue().toDouble(), 4.7);
    accessible->valueInterface()->setCurrentValue(10.4);
    EXPECT_EQ(t.settings->value(Setting::gridSize), 10.0);
    EXPECT_EQ(writes(), before + 6);
}
