#include "app/LaunchAtLoginAction.h"

#include "app/LaunchAtLogin.h"

#include <QAction>
#include <QMenu>

LaunchAtLoginAction::LaunchAtLoginAction(QMenu& menu)
    : QObject(&menu)
    , m_toggle(menu.addAction(tr("Launch at login")))
    , m_approvalHint(menu.addAction(tr("Allow in System Settings…"))) {
    m_toggle->setCheckable(true);
    m_approvalHint->setVisible(false);
    connect(&menu, &QMenu::aboutToShow, this, &LaunchAtLoginAction::showState);
    // triggered, not toggled: showing the state calls setChecked, which must
    // never write it back (a login item waiting for approval reads as off).
    connect(m_toggle, &QAction::triggered, this, [this](bool on) {
        if (!LaunchAtLogin::setEnabled(on))
            showState();
    });
    // Asking again for a login item that waits shows where to approve it.
    connect(m_approvalHint, &QAction::triggered, this, [] { LaunchAtLogin::setEnabled(true); });
}

void LaunchAtLoginAction::showState() {
    const bool waiting = LaunchAtLogin::awaitsApproval();
    m_toggle->setChecked(waiting || LaunchAtLogin::isEnabled());
    m_toggle->setEnabled(!waiting);
    m_approvalHint->setVisible(waiting);
}
