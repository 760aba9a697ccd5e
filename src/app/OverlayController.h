#pragma once

#include <QList>
#include <QObject>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>

class FrameClock;
class NativeOverlay;
class OverlaySettings;
class QScreen;
class ScreenSelection;

// Keeps one overlay panel per screen while the overlay is on, none while it is
// off, following the settings' switch. Requests are parked and carried out on
// a later turn of the event loop, so any number of requests in one turn cost
// one rebuild or one close. Showing always closes every panel and builds fresh
// ones for the screens of the moment.
class OverlayController : public QObject {
    Q_OBJECT

public:
    using ScreenList = std::function<QList<QScreen*>()>;
    using Windows = std::unordered_map<QScreen*, std::unique_ptr<QWidget>>;

    OverlayController(OverlaySettings& settings, FrameClock& clock, ScreenList screens = {});
    ~OverlayController() override;

    void setVisible(bool visible);
    // Connects the application's screen notifications to screensChanged.
    void registerForScreenChanges();

    const Windows& windows() const { return m_windows; }
    std::optional<bool> pendingVisibility() const { return m_pendingVisibility; }

    // Closes every panel at once (also used when the program ends).
    void closePanels();

    // Where the session offers a native overlay, it stands in for the panels.
    void useNativeOverlay(NativeOverlay* overlay) { m_native = overlay; }
    NativeOverlay* nativeOverlay() const { return m_native; }

    // Screens the user turned off get no panel; a change of choice rebuilds.
    void useScreenSelection(const ScreenSelection* selection);

public slots:
    void screensChanged();

private:
    void applyPendingVisibility();
    void showPanels();
    std::unique_ptr<QWidget> makePanel(QScreen* screen);
    void watchScreen(QScreen* screen);

    OverlaySettings& m_settings;
    FrameClock& m_clock;
    ScreenList m_screens;
    Windows m_windows;
    std::optional<bool> m_pendingVisibility;
    NativeOverlay* m_native = nullptr;
    const ScreenSelection* m_selection = nullptr;
};
