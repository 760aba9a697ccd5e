#pragma once

#include <QWidget>

class SettingsList;
class OverlaySettings;
class ToggleShortcut;
class QScrollArea;

// The settings window's content: the settings list with its header and, when
// given, the overlay shortcut, padded, in a fixed-size scroll area.
class SettingsWindowContent : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize fixedFrame{380, 620};

    explicit SettingsWindowContent(OverlaySettings& settings, ToggleShortcut* shortcut = nullptr,
                                   QWidget* parent = nullptr);

    QScrollArea* scrollArea() const { return m_scrollArea; }
    SettingsList* settingsView() const { return m_list; }

private:
    QScrollArea* m_scrollArea;
    SettingsList* m_list;
};
