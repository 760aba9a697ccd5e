#include "ui/SymbolLabel.h"

#include "ui/SymbolIcon.h"

#include <QEvent>

SymbolLabel::SymbolLabel(const QString& symbol, QWidget* parent)
    : QLabel(parent)
    , m_symbol(symbol) {
    setFixedSize(side, side);
    setAlignment(Qt::AlignCenter);
    refresh();
}

void SymbolLabel::setSymbol(const QString& symbol) {
    if (symbol == m_symbol)
        return;
    m_symbol = symbol;
    refresh();
}

void SymbolLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        refresh();
    QLabel::changeEvent(event);
}

void SymbolLabel::refresh() {
    const QIcon icon = SymbolIcon::icon(m_symbol, palette().color(foregroundRole()));
    setPixmap(icon.pixmap(QSize(side, side), devicePixelRatioF()));
}
