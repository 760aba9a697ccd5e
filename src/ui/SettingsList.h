#pragma once

#include "settings/OverlaySettings.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QVBoxLayout;
class SettingSlider;
class SwitchToggle;

// Every control for the overlay in one column: an optional header, the on/off
// switch, twelve slider rows, a divider and the flicker-type picker. Each
// control writes one property when the user works it, and follows that
// property's change signal whoever changed it; showing a value never writes it.
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
    SettingSlider* row(OverlaySettings::Number number) const;
    QComboBox* flickerPicker() const { return m_picker; }

    // The entries top to bottom (header, switch, its note, rows, divider,
    // picker row).
    QList<QWidget*> entries() const;
    // The controls in keyboard order, top to bottom.
    QList<QWidget*> focusOrder() const;

private:
    QWidget* makeHeader();
    QWidget* makePicker();
    void addRow(OverlaySettings::Number number);
    void showEnabled();
    void showRow(OverlaySettings::Number number);
    void showFlickerMode();

    OverlaySettings& m_settings;
    QVBoxLayout* m_layout;
    QWidget* m_header = nullptr;
    SwitchToggle* m_switch = nullptr;
    QLabel* m_compositorNote = nullptr;
    QComboBox* m_picker = nullptr;
    std::array<SettingSlider*, OverlaySettings::numberCount> m_rows{};
};
