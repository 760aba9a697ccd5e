#pragma once

#include <QWidget>

class LookLibrary;
class SettingsList;
class OverlaySettings;
class ToggleShortcut;

// The settings window's content: the settings list with its header and, when
// given, the overlay shortcut, padded, in a fixed-size scroll area, below the
// row of looks when there are looks.
class SettingsWindowContent : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize fixedFrame{380, 620};

    explicit SettingsWindowContent(OverlaySettings& settings, LookLibrary* looks = nullptr,
                                   ToggleShortcut* shortcut = nullptr, QWidget* parent = nullptr);

    SettingsList* settingsView() const { return m_list; }

private:
    SettingsList* m_list;
};
