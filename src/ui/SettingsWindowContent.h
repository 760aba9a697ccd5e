#pragma once

#include <QWidget>

class SettingsList;
class OverlaySettings;

// The settings window's content: the settings list with its header, padded,
// in a fixed-size scroll area.
class SettingsWindowContent : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize fixedFrame{380, 620};

    explicit SettingsWindowContent(OverlaySettings& settings, QWidget* parent = nullptr);

    SettingsList* settingsView() const { return m_list; }

private:
    SettingsList* m_list;
};
