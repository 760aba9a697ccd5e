#pragma once

#include "app/ScreenName.h"

#include <QList>
#include <QMenu>
#include <functional>

class ScreenSelection;

// "Screens" in the tray menu: one checkbox per connected screen, read afresh
// each time the menu opens. A click turns the overlay on that screen on or off.
class ScreensMenu : public QMenu {
    Q_OBJECT

public:
    using ScreenList = std::function<QList<ScreenName>()>;

    ScreensMenu(ScreenSelection& selection, ScreenList screens, QWidget* parent = nullptr);

    // Qt's own screens, for sessions where the overlay is one window per screen.
    static QList<ScreenName> qtScreens();

private:
    void rebuild();

    ScreenSelection& m_selection;
    ScreenList m_screens;
};
