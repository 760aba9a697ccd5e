#include "app/ScreensMenu.h"

#include "settings/ScreenSelection.h"

#include <QGuiApplication>
#include <QScreen>

ScreensMenu::ScreensMenu(ScreenSelection& selection, ScreenList screens, QWidget* parent)
    : QMenu(tr("Screens"), parent)
    , m_selection(selection)
    , m_screens(std::move(screens)) {
    connect(this, &QMenu::aboutToShow, this, &ScreensMenu::rebuild);
    rebuild();
}

QList<ScreenName> ScreensMenu::qtScreens() {
    QList<ScreenName> names;
    for (const QScreen* screen : QGuiApplication::screens())
        names.append(ScreenName::of(*screen));
    return names;
}

void ScreensMenu::rebuild() {
    clear();
    for (const ScreenName& screen : m_screens()) {
        QAction* action = addAction(screen.label());
        action->setCheckable(true);
        const QString identity = screen.identity();
        action->setChecked(m_selection.isShown(identity));
        connect(action, &QAction::toggled, this,
                [this, identity](bool shown) { m_selection.setShown(identity, shown); });
    }
    if (isEmpty())
        addAction(tr("No screen"))->setEnabled(false);
}
