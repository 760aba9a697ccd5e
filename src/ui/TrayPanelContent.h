#pragma once

#include <QWidget>

class SettingsList;
class OverlaySettings;
class ListScrollArea;
class SymbolButton;

// The tray panel's content: the settings list without header in a fixed,
// scrolling list area (scroll bars hidden), a divider, and "Reset" and "Quit".
class TrayPanelContent : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize fixedFrame{340, 590};
    static constexpr QSize listAreaSize{308, 520};

    explicit TrayPanelContent(OverlaySettings& settings, QWidget* parent = nullptr);

    ListScrollArea* listArea() const { return m_listArea; }
    SettingsList* settingsView() const { return m_list; }
    SymbolButton* resetButton() const { return m_reset; }
    SymbolButton* quitButton() const { return m_quit; }

private:
    ListScrollArea* m_listArea;
    SettingsList* m_list;
    SymbolButton* m_reset;
    SymbolButton* m_quit;
};
