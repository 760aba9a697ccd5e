#include "ui/SymbolButton.h"

#include "ui/SymbolIcon.h"

#include <QEvent>

SymbolButton::SymbolButton(const QString& symbol, const QString& title, QWidget* parent)
    : QPushButton(title, parent)
    , m_symbol(symbol) {
    setAccessibleName(title);
    setAutoDefault(false);
    refresh();
}

void SymbolButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        refresh();
    QPushButton::changeEvent(event);
}

void SymbolButton::refresh() {
    setIcon(SymbolIcon::icon(m_symbol, palette().color(QPalette::ButtonText)));
}
