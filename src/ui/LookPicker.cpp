#include "ui/LookPicker.h"

#include "settings/LookLibrary.h"
#include "settings/OverlaySettings.h"

#include <QComboBox>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>

namespace {
// Asks for a look's name; empty when the user cancelled.
QString askName(QWidget* parent, const QString& title, const QString& name) {
    bool ok = false;
    const QString typed =
        QInputDialog::getText(parent, title, LookPicker::tr("Name:"), QLineEdit::Normal, name, &ok);
    return ok ? typed.trimmed() : QString();
}

// Why a name cannot be taken, for the user; empty when it can.
QString refusal(const LookLibrary& looks, const QString& name, const QString& keeping = {}) {
    if (looks.isBuiltIn(name))
        return LookPicker::tr("“%1” is a built-in look. Choose another name.").arg(name);
    if (looks.find(name) && name.compare(keeping, Qt::CaseInsensitive) != 0)
        return LookPicker::tr("There is already a look named “%1”.").arg(name);
    return {};
}
} // namespace

LookPicker::LookPicker(OverlaySettings& settings, LookLibrary& looks, QWidget* parent)
    : QWidget(parent)
    , m_looks(looks)
    , m_picker(new QComboBox)
    , m_save(new QPushButton(tr("Save as…")))
    , m_rename(new QPushButton(tr("Rename…")))
    , m_delete(new QPushButton(tr("Delete"))) {
    m_picker->setPlaceholderText(tr("Custom"));
    auto* label = new QLabel(tr("Look"));
    label->setBuddy(m_picker);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(20, 16, 20, 4);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_picker, 0, 1, 1, 3);
    layout->addWidget(m_save, 1, 1);
    layout->addWidget(m_rename, 1, 2);
    layout->addWidget(m_delete, 1, 3);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(2, 1);
    layout->setColumnStretch(3, 1);

    // Only a choice the user makes applies a look; refreshing does not.
    connect(m_picker, &QComboBox::activated, this,
            [this] { m_looks.apply(m_picker->currentData().toString()); });
    connect(m_save, &QPushButton::clicked, this, [this] { saveCurrentAs(m_looks, this); });
    connect(m_rename, &QPushButton::clicked, this, &LookPicker::renameShown);
    connect(m_delete, &QPushButton::clicked, this, &LookPicker::deleteShown);
    connect(&settings, &OverlaySettings::effectSettingsChanged, this, &LookPicker::refresh);
    connect(&looks, &LookLibrary::changed, this, &LookPicker::refresh);
    refresh();
}

void LookPicker::refresh() {
    const QSignalBlocker blocker(m_picker);
    m_picker->clear();
    for (const Look& look : LookLibrary::builtIns())
        m_picker->addItem(LookLibrary::shownName(look.name), look.name);
    if (!m_looks.saved().isEmpty())
        m_picker->insertSeparator(m_picker->count());
    for (const Look& look : m_looks.saved())
        m_picker->addItem(look.name, look.name);
    const QString current = m_looks.currentName();
    m_picker->setCurrentIndex(current.isEmpty() ? -1 : m_picker->findData(current));
    const bool savedShown = !current.isEmpty() && !m_looks.isBuiltIn(current);
    m_rename->setEnabled(savedShown);
    m_delete->setEnabled(savedShown);
}

bool LookPicker::saveCurrentAs(LookLibrary& looks, QWidget* parent) {
    const QString name = askName(parent, tr("Save Look"), QString());
    if (name.isEmpty())
        return false;
    if (looks.isBuiltIn(name)) {
        QMessageBox::information(parent, tr("Save Look"), refusal(looks, name));
        return false;
    }
    if (looks.find(name) &&
        QMessageBox::question(parent, tr("Save Look"),
                              tr("Replace the look “%1” with the current settings?").arg(name)) !=
            QMessageBox::Yes)
        return false;
    return looks.saveCurrent(name);
}

void LookPicker::renameShown() {
    const QString from = m_looks.currentName();
    const QString to = askName(this, tr("Rename Look"), from);
    if (to.isEmpty() || to == from)
        return;
    if (const QString why = refusal(m_looks, to, from); !why.isEmpty()) {
        QMessageBox::information(this, tr("Rename Look"), why);
        return;
    }
    m_looks.rename(from, to);
}

void LookPicker::deleteShown() {
    const QString name = m_looks.currentName();
    if (QMessageBox::question(
            this, tr("Delete Look"),
            tr("Delete the look “%1”? The settings stay as they are.").arg(name)) ==
        QMessageBox::Yes)
        m_looks.remove(name);
}
