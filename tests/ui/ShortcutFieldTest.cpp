#include "ui/ShortcutField.h"
#include "UiTestSupport.h"
#include "settings/ToggleShortcut.h"

#include <QKeySequenceEdit>

// The field stores what is recorded (its first chord only), an emptied field
// switches the shortcut off, and a change made elsewhere shows in the field.
TEST(ShortcutField, StoresTheRecordedCombinationAndEmptySwitchesItOff) {
    InMemoryPreferenceStore store;
    ToggleShortcut shortcut(store);
    EXPECT_EQ(shortcut.text(), "Ctrl+Alt+Shift+G");
    ShortcutField field(shortcut);
    QKeySequenceEdit& editor = *field.editor();
    EXPECT_EQ(editor.keySequence(), QKeySequence("Ctrl+Alt+Shift+G"));

    editor.setKeySequence(QKeySequence("Meta+F9, Ctrl+K"));
    emit editor.editingFinished();
    EXPECT_EQ(store.storedValues().value(ToggleShortcut::key), "Meta+F9");
    EXPECT_EQ(editor.keySequence(), QKeySequence("Meta+F9"));

    editor.clear();
    EXPECT_EQ(store.storedValues().value(ToggleShortcut::key), "");
    EXPECT_EQ(ToggleShortcut(store).text(), "");

    shortcut.setText("Ctrl+F12");
    EXPECT_EQ(editor.keySequence(), QKeySequence("Ctrl+F12"));
}
