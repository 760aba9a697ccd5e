#pragma once

#include "app/ScreensMenu.h"

#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>
#include <memory>

class LookLibrary;
class OverlaySettings;
class ToggleShortcut;
class TrayPanel;

// The program's one permanent piece of interface: the grid symbol in the tray.
// A click opens the control panel next to it; its menu offers the settings
// window, the looks, the choice of screens, launch at login and quitting.
class TrayIcon : public QObject {
    Q_OBJECT

public:
    TrayIcon(OverlaySettings& settings, LookLibrary& looks, ScreenSelection& selection,
             ScreensMenu::ScreenList screens = &ScreensMenu::qtScreens, QObject* parent = nullptr);
    ~TrayIcon() override;

    // Shows the icon; without a tray to dock in, opens the controls as an
    // ordinary window so the program stays usable.
    void show();

    QSystemTrayIcon& icon() { return m_icon; }
    QMenu& menu() { return m_menu; }

    // The settings window, when next made, offers to change this shortcut.
    void setToggleShortcut(ToggleShortcut* shortcut) { m_shortcut = shortcut; }

    // Every control view, open or opened later, tells whether the overlay
    // waits for a compositor.
    void setNeedsCompositor(bool needs);

    // What the panel opens next to: the icon, or where its position is unknown
    // (StatusNotifierItem trays tell none), the top-right corner of the
    // available area of the screen under the pointer, where bars keep trays.
    static QRect panelAnchor(const QRect& iconGeometry, const QPoint& pointer);

public slots:
    // Opens the control panel next to the icon (or as a window without a tray).
    void openPanel();
    void openSettingsWindow();

private:
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void openStandaloneWindow();
    void showCompositorNeed();

    OverlaySettings& m_settings;
    LookLibrary& m_looks;
    ToggleShortcut* m_shortcut = nullptr;
    QSystemTrayIcon m_icon;
    QMenu m_menu;
    std::unique_ptr<TrayPanel> m_panel;
    std::unique_ptr<QWidget> m_settingsWindow;
    std::unique_ptr<QWidget> m_standaloneWindow;
    bool m_needsCompositor = false;
};
