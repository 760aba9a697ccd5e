#pragma once

#include <QWidget>

class LookLibrary;
class OverlaySettings;
class QComboBox;
class QPushButton;

// The settings window's row of looks: a picker showing the look the settings
// match ("Custom" when none), and buttons to save the current values as a
// look and to rename or delete the saved look shown.
class LookPicker : public QWidget {
    Q_OBJECT

public:
    LookPicker(OverlaySettings& settings, LookLibrary& looks, QWidget* parent = nullptr);

    // Asks for a name and keeps the current values under it; shared with the
    // tray menu. False when the user cancelled or the name was refused.
    static bool saveCurrentAs(LookLibrary& looks, QWidget* parent);

    QComboBox* picker() const { return m_picker; }
    QPushButton* renameButton() const { return m_rename; }
    QPushButton* deleteButton() const { return m_delete; }

private:
    void refresh();
    void renameShown();
    void deleteShown();

    LookLibrary& m_looks;
    QComboBox* m_picker;
    QPushButton* m_save;
    QPushButton* m_rename;
    QPushButton* m_delete;
};
