#include "ui/ShortcutField.h"

#include "settings/ToggleShortcut.h"

#include <QHBoxLayout>
#include <QKeySequenceEdit>
#include <QLabel>

ShortcutField::ShortcutField(ToggleShortcut& shortcut, QWidget* parent)
    : QWidget(parent)
    , m_shortcut(shortcut)
    , m_editor(new QKeySequenceEdit(
          QKeySequence::fromString(shortcut.text(), QKeySequence::PortableText))) {
    m_editor->setClearButtonEnabled(true);
    auto* label = new QLabel(tr("Overlay shortcut"));
    label->setBuddy(m_editor);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(m_editor, 1);

    // Recording ends a second after the last key; one combination is kept.
    const auto store = [this] {
        const QKeySequence recorded = m_editor->keySequence();
        const QKeySequence first = recorded.isEmpty() ? QKeySequence() : QKeySequence(recorded[0]);
        if (recorded.count() > 1)
            m_editor->setKeySequence(first);
        m_shortcut.setText(first.toString(QKeySequence::PortableText));
    };
    connect(m_editor, &QKeySequenceEdit::editingFinished, this, store);
    connect(m_editor, &QKeySequenceEdit::keySequenceChanged, this, [this, store] {
        if (m_editor->keySequence().isEmpty())
            store();
    });
    connect(&shortcut, &ToggleShortcut::changed, this, [this] {
        const QKeySequence stored =
            QKeySequence::fromString(m_shortcut.text(), QKeySequence::PortableText);
        if (stored != m_editor->keySequence())
            m_editor->setKeySequence(stored);
    });
}
