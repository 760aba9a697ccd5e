#include "app/TrayIcon.h"

#include "app/LaunchAtLoginAction.h"
#include "app/LooksMenu.h"
#include "app/TraySetup.h"
#include "settings/OverlaySettings.h"
#include "ui/SettingsList.h"
#include "ui/SettingsWindowContent.h"
#include "ui/SymbolIcon.h"
#include "ui/TrayPanel.h"
#include "ui/TrayPanelContent.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace {
// A top-level window titled "Retro Glimmer" holding one control view.
std::unique_ptr<QWidget> makeWindow(QWidget* content) {
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(TrayIcon::tr("Retro Glimmer"));
    auto* layout = new QVBoxLayout(window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    window->setFixedSize(content->sizeHint().expandedTo(content->minimumSize()));
    return window;
}

void present(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}
} // namespace

TrayIcon::TrayIcon(OverlaySettings& settings, LookLibrary& looks, ScreenSelection& selection,
                   ScreensMenu::ScreenList screens, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_looks(looks)
    , m_panel(std::make_unique<TrayPanel>(settings)) {
    m_icon.setIcon(SymbolIcon::outlined(QStringLiteral("square.grid.3x3")));
    m_icon.setToolTip(tr("Retro Glimmer"));

    connect(m_menu.addAction(tr("Settings…")), &QAction::triggered, this,
            &TrayIcon::openSettingsWindow);
    m_menu.addMenu(new LooksMenu(looks, &m_menu));
    m_menu.addMenu(new ScreensMenu(selection, std::move(screens), &m_menu));
    new LaunchAtLoginAction(m_menu);
    m_menu.addSeparator();
    connect(m_menu.addAction(tr("Quit")), &QAction::triggered, qApp, &QCoreApplication::quit);
    TraySetup::attach(m_icon, m_menu);
    connect(&m_icon, &QSystemTrayIcon::activated, this, &TrayIcon::onActivated);
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::show() {
    // Qt docks the icon by itself should a tray appear later.
    m_icon.show();
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        openStandaloneWindow();
}

void TrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason) {
    if (TraySetup::opensMenu(reason))
        return;
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
        if (m_panel->isVisible())
            m_panel->hide();
        else
            openPanel();
    }
}

void TrayIcon::openPanel() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        openStandaloneWindow();
        return;
    }
    m_panel->showNear(panelAnchor(m_icon.geometry(), QCursor::pos()));
}

QRect TrayIcon::panelAnchor(const QRect& iconGeometry, const QPoint& pointer) {
    if (!iconGeometry.isEmpty())
        return iconGeometry;
    QScreen* screen = QGuiApplication::screenAt(pointer);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect available = screen->availableGeometry();
    return QRect(available.right(), available.top(), 1, 1);
}

void TrayIcon::openStandaloneWindow() {
    if (!m_standaloneWindow) {
        m_standaloneWindow = makeWindow(new TrayPanelContent(m_settings));
        showCompositorNeed();
    }
    present(*m_standaloneWindow);
}

void TrayIcon::openSettingsWindow() {
    if (!m_settingsWindow) {
        m_settingsWindow = makeWindow(new SettingsWindowContent(m_settings, &m_looks, m_shortcut));
        showCompositorNeed();
    }
    present(*m_settingsWindow);
}

void TrayIcon::setNeedsCompositor(bool needs) {
    m_needsCompositor = needs;
    showCompositorNeed();
}

void TrayIcon::showCompositorNeed() {
    for (QWidget* window :
         {static_cast<QWidget*>(m_panel.get()), m_standaloneWindow.get(), m_settingsWindow.get()})
        if (window)
            for (SettingsList* view : window->findChildren<SettingsList*>())
                view->setNeedsCompositor(m_needsCompositor);
}
