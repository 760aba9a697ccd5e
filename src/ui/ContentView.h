#pragma once

#include <QWidget>

class FilterSettingsView;
class OverlaySettings;
class QScrollArea;

// The settings window's content: the settings list with its header, padded,
// in a fixed-size scroll area.
class ContentView : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize fixedFrame{380, 620};

    explicit ContentView(OverlaySettings& settings, QWidget* parent = nullptr);

    QScrollArea* scrollArea() const { return m_scrollArea; }
    FilterSettingsView* settingsView() const { return m_list; }

private:
    QScrollArea* m_scrollArea;
    FilterSettingsView* m_list;
};
