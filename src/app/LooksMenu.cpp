#include "app/LooksMenu.h"

#include "settings/LookLibrary.h"
#include "ui/LookPicker.h"

#include <QActionGroup>

LooksMenu::LooksMenu(LookLibrary& looks, QWidget* parent)
    : QMenu(tr("Look"), parent)
    , m_looks(looks) {
    connect(this, &QMenu::aboutToShow, this, &LooksMenu::rebuild);
    rebuild();
}

void LooksMenu::rebuild() {
    clear();
    delete m_group;
    m_group = new QActionGroup(this);
    QActionGroup* group = m_group;
    const QString current = m_looks.currentName();
    const auto addLooks = [&](const QList<Look>& looks) {
        for (const Look& look : looks) {
            QAction* action = addAction(LookLibrary::shownName(look.name));
            action->setCheckable(true);
            action->setChecked(look.name == current);
            group->addAction(action);
            const QString name = look.name;
            connect(action, &QAction::triggered, this, [this, name] { m_looks.apply(name); });
        }
    };
    addLooks(LookLibrary::builtIns());
    addSeparator();
    addLooks(m_looks.saved());
    if (!m_looks.saved().isEmpty())
        addSeparator();
    // Queued: the dialog must not open inside the closing menu's event.
    connect(
        addAction(tr("Save current look as…")), &QAction::triggered, this,
        [this] { LookPicker::saveCurrentAs(m_looks, nullptr); }, Qt::QueuedConnection);
}
