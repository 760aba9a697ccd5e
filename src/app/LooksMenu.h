#pragma once

#include <QMenu>

class LookLibrary;
class QActionGroup;

// "Look" in the tray menu: the built-in and saved looks, the one the settings
// match ticked, and "Save current look as…". Read afresh each time it opens.
class LooksMenu : public QMenu {
    Q_OBJECT

public:
    explicit LooksMenu(LookLibrary& looks, QWidget* parent = nullptr);

private:
    void rebuild();

    LookLibrary& m_looks;
    QActionGroup* m_group = nullptr;
};
