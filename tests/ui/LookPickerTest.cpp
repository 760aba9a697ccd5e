#include "ui/LookPicker.h"
#include "UiTestSupport.h"
#include "settings/LookLibrary.h"

#include <QPushButton>

// The settings window's look row follows the settings from anywhere and
// applies the look chosen there. Rename and delete are for saved looks only.
TEST(LookPicker, ShowsTheMatchingLookAndAppliesTheChosenOne) {
    TestSettings t;
    LookLibrary looks(*t.settings);
    SettingsWindowContent window(*t.settings, &looks);
    auto* row = window.findChild<LookPicker*>();
    ASSERT_TRUE(row);
    QComboBox* picker = row->picker();
    EXPECT_EQ(picker->currentText(), "Grid");
    EXPECT_FALSE(row->renameButton()->isEnabled());

    t.settings->setValue(Setting::gridOpacity, 0.5);
    EXPECT_EQ(picker->currentIndex(), -1) << "shows Custom";

    picker->setCurrentIndex(picker->findText("Arcade"));
    emit picker->activated(picker->currentIndex());
    EXPECT_EQ(looks.currentName(), "Arcade");
    EXPECT_EQ(t.settings->value(Setting::gridSize), 6);

    ASSERT_TRUE(looks.saveCurrent("Mine"));
    EXPECT_EQ(picker->currentText(), "Mine");
    EXPECT_TRUE(row->renameButton()->isEnabled());
    EXPECT_TRUE(row->deleteButton()->isEnabled());
    looks.remove("Mine");
    EXPECT_EQ(picker->findText("Mine"), -1);
    EXPECT_EQ(picker->currentText(), "Arcade");
}
