#include "app/OverlayController.h"

#include "app/NativeOverlay.h"
#include "app/NativeWindowSetup.h"
#include "app/OverlayView.h"
#include "app/PanelWindowSetup.h"
#include "app/ScreenName.h"
#include "settings/OverlaySettings.h"
#include "settings/ScreenSelection.h"

#include <QGuiApplication>
#include <QScreen>

OverlayController::OverlayController(OverlaySettings& settings, FrameClock& clock,
                                     ScreenList screens)
    : m_settings(settings)
    , m_clock(clock)
    , m_screens(std::move(screens)) {
    if (!m_screens)
        m_screens = [] { return QGuiApplication::screens(); };
    connect(&settings, &OverlaySettings::isEnabledChanged, this,
            [this] { setVisible(m_settings.isEnabled()); });
}

OverlayController::~OverlayController() {
    closePanels();
}

void OverlayController::setVisible(bool visible) {
    m_pendingVisibility = visible;
    // One queued call per request; it is discarded if the controller is gone.
    QMetaObject::invokeMethod(this, &OverlayController::applyPendingVisibility,
                              Qt::QueuedConnection);
}

void OverlayController::applyPendingVisibility() {
    if (!m_pendingVisibility)
        return;
    const bool visible = *m_pendingVisibility;
    m_pendingVisibility.reset();
    if (visible)
        showPanels();
    else
        closePanels();
}

void OverlayController::showPanels() {
    closePanels();
    if (m_native) {
        m_native->show();
        return;
    }
    for (QScreen* screen : m_screens()) {
        if (m_selection && !m_selection->isShown(ScreenName::of(*screen).identity()))
            continue;
        // A screen listed twice keeps the later panel; the earlier one goes with
        // the replaced pointer.
        std::unique_ptr<QWidget>& slot = m_windows[screen];
        slot = makePanel(screen);
        slot->show();
        if (NativeWindowSetup::runs())
            PanelWindowSetup::orderFront(*slot);
    }
}

void OverlayController::closePanels() {
    if (m_native)
        m_native->hide();
    Windows closing;
    closing.swap(m_windows);
    for (auto& [screen, panel] : closing) {
        if (NativeWindowSetup::runs())
            PanelWindowSetup::forgetPanel(*panel);
        panel->close();
    }
}

std::unique_ptr<QWidget> OverlayController::makePanel(QScreen* screen) {
    auto panel = std::make_unique<OverlayView>(m_settings, m_clock);
    PanelWindowSetup::configurePanel(*panel, screen);
    return panel;
}

void OverlayController::useScreenSelection(const ScreenSelection* selection) {
    if (m_selection)
        disconnect(m_selection, nullptr, this, nullptr);
    m_selection = selection;
    if (selection)
        connect(selection, &ScreenSelection::changed, this, &OverlayController::screensChanged);
}

void OverlayController::screensChanged() {
    if (m_settings.isEnabled())
        setVisible(true);
}

void OverlayController::registerForScreenChanges() {
    auto* app = qGuiApp;
    connect(app, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        watchScreen(screen);
        screensChanged();
    });
    connect(app, &QGuiApplication::screenRemoved, this, &OverlayController::screensChanged);
    connect(app, &QGuiApplication::primaryScreenChanged, this, &OverlayController::screensChanged);
    for (QScreen* screen : QGuiApplication::screens())
        watchScreen(screen);
}

void OverlayController::watchScreen(QScreen* screen) {
    connect(screen, &QScreen::geometryChanged, this, &OverlayController::screensChanged);
}
