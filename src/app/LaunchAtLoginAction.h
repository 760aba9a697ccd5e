#pragma once

#include <QObject>

class QAction;
class QMenu;

// "Launch at login" in the tray menu. The tick shows the login item's state
// each time the menu opens; only the user's own click changes that state.
// While macOS waits for the user's approval, the tick shows but cannot be
// clicked, and a second item leads to the place in System Settings to approve.
class LaunchAtLoginAction : public QObject {
    Q_OBJECT

public:
    // Adds both items to the menu, at its end.
    explicit LaunchAtLoginAction(QMenu& menu);

    QAction& toggle() { return *m_toggle; }
    QAction& approvalHint() { return *m_approvalHint; }

private:
    void showState();

    QAction* m_toggle;
    QAction* m_approvalHint;
};
