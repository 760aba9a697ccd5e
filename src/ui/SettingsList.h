#pragma once

#include "settings/OverlaySettings.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QVBoxLayout;
struct SettingDefinition;
class SettingSlider;
class SwitchToggle;

// Every control for the overlay in one column: an optional header, the on/off
// switch, twelve slider rows, a divider and the flicker-type picker. Each
// control writes one setting when the user works it, and follows that
// setting's changes whoever made them; showing a value never writes it.
class SettingsList : public QWidget {
    Q_OBJECT

public:
    SettingsList(OverlaySettings& settings, bool showsHeader, QWidget* parent = nullptr);

    bool showsHeader() const { return m_header != nullptr; }
    // The header block; null when the view was built without one.
    QWidget* header() const { return m_header; }
    SwitchToggle* enableSwitch() const { return m_switch; }
    // The line under the switch, shown while the overlay cannot be seen for want
    // of a compositor (the switch still takes the user's choice).
    QLabel* compositorNote() const { return m_compositorNote; }
    void setNeedsCompositor(bool needs);
    SettingSlider* row(Setting setting) const;
    QComboBox* flickerPicker() const { return m_picker; }

    // The entries top to bottom (header, switch, its note, rows, divider,
    // picker row).
    QList<QWidget*> entries() const;
    // The controls in keyboard order, top to bottom.
    QList<QWidget*> focusOrder() const;

private:
    QWidget* makeHeader();
    QWidget* makePicker();
    void addRow(const SettingDefinition& definition);
    void showEnabled();
    void showRow(Setting setting);
    void showFlickerMode();

    OverlaySettings& m_settings;
    QVBoxLayout* m_layout;
    QWidget* m_header = nullptr;
    SwitchToggle* m_switch = nullptr;
    QLabel* m_compositorNote = nullptr;
    QComboBox* m_picker = nullptr;
    std::array<SettingSlider*, settingCount> m_rows{};
};
