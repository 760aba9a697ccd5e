#pragma once

#include <QWidget>

class QKeySequenceEdit;
class ToggleShortcut;

// "Overlay shortcut": records the combination that switches the overlay on
// and off from anywhere. Emptied with its clear button, there is none.
class ShortcutField : public QWidget {
    Q_OBJECT

public:
    explicit ShortcutField(ToggleShortcut& shortcut, QWidget* parent = nullptr);

    QKeySequenceEdit* editor() const { return m_editor; }

private:
    ToggleShortcut& m_shortcut;
    QKeySequenceEdit* m_editor;
};
