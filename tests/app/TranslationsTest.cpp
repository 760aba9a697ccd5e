#include "app/Translations.h"
#include "app/LooksMenu.h"
#include "settings/InMemoryPreferenceStore.h"
#include "settings/LookLibrary.h"
#include "settings/OverlaySettings.h"
#include "ui/SettingSlider.h"
#include "ui/SettingsList.h"
#include "ui/SymbolButton.h"
#include "ui/TrayPanelContent.h"

#include <QComboBox>
#include <QLocale>
#include <gtest/gtest.h>

// Run under LANG=de_DE.UTF-8, with the translations installed as start-up does.
// A built-in look shows its German name but still answers to the English one,
// which scripts pass to --look in every language.
TEST(Translations, PanelAndMenusReadGermanUnderAGermanLocale) {
    const Translations translations{QLocale()};
    OverlaySettings settings(std::make_unique<InMemoryPreferenceStore>());
    TrayPanelContent panel(settings);
    const SettingsList* list = panel.settingsView();
    EXPECT_EQ(list->row(Setting::gridSize)->title().toStdString(), "Pixelgröße");
    EXPECT_EQ(list->row(Setting::gridOpacity)->formattedValue().toStdString(), "30\u00a0%");
    EXPECT_EQ(list->flickerPicker()->itemText(1).toStdString(), "Pulsierend");
    EXPECT_EQ(panel.resetButton()->text().toStdString(), "Zurücksetzen");

    LookLibrary looks(settings);
    LooksMenu menu(looks);
    EXPECT_EQ(menu.title().toStdString(), "Stil");
    QAction* green = menu.actions().at(1);
    EXPECT_EQ(green->text().toStdString(), "Grüner Phosphor");
    green->trigger();
    EXPECT_EQ(looks.currentName(), "Green phosphor");
    EXPECT_TRUE(looks.apply("Arcade"));
    EXPECT_TRUE(looks.isBuiltIn("grüner phosphor"));
}
