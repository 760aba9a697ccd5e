#include "ui/SwitchToggle.h"

#include "ui/SymbolIcon.h"
#include "ui/SymbolLabel.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace {
constexpr int kTrackWidth = 36;
constexpr int kTrackHeight = 20;
constexpr int kKnobInset = 2;
constexpr int kGap = 8;
} // namespace

SwitchToggle::SwitchToggle(QWidget* parent)
    : QAbstractButton(parent) {
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void SwitchToggle::setSymbol(const QString& symbol) {
    if (symbol == m_symbol)
        return;
    m_symbol = symbol;
    refreshIcon();
}

void SwitchToggle::refreshIcon() {
    setIcon(SymbolIcon::icon(m_symbol, palette().color(QPalette::WindowText)));
    update();
}

QRect SwitchToggle::trackRect() const {
    // Inset by the focus ring's width so the ring stays inside the widget.
    return QRect(width() - kTrackWidth - 2, (height() - kTrackHeight) / 2, kTrackWidth,
                 kTrackHeight);
}

QSize SwitchToggle::sizeHint() const {
    const int textWidth = fontMetrics().horizontalAdvance(text());
    const int height = std::max(kTrackHeight + 6, fontMetrics().height() + 6);
    return QSize(SymbolLabel::side + kGap + textWidth + kGap + kTrackWidth + 4, height);
}

QSize SwitchToggle::minimumSizeHint() const {
    return QSize(SymbolLabel::side + kGap + kTrackWidth + 4, sizeHint().height());
}

bool SwitchToggle::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void SwitchToggle::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        refreshIcon();
    QAbstractButton::changeEvent(event);
}

void SwitchToggle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();

    const int side = SymbolLabel::side;
    const QRect iconRect(0, (height() - side) / 2, side, side);
    icon().paint(&painter, iconRect, Qt::AlignCenter,
                 isEnabled() ? QIcon::Normal : QIcon::Disabled);

    const QRect track = trackRect();
    const QRect textRect(side + kGap, 0, track.left() - kGap - side - kGap, height());
    painter.setPen(pal.color(QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft,
                     fontMetrics().elidedText(text(), Qt::ElideRight, textRect.width()));

    // Off: the text colour faded, so the track reads in light and dark palettes.
    QColor off = pal.color(QPalette::WindowText);
    off.setAlphaF(0.25);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isChecked() ? pal.color(QPalette::Highlight) : off);
    painter.drawRoundedRect(track, kTrackHeight / 2.0, kTrackHeight / 2.0);

    const int knob = kTrackHeight - 2 * kKnobInset;
    const int knobX =
        isChecked() ? track.right() - kKnobInset - knob + 1 : track.left() + kKnobInset;
    painter.setBrush(pal.color(QPalette::HighlightedText));
    painter.drawEllipse(QRectF(knobX, track.top() + kKnobInset, knob, knob));

    if (hasFocus()) {
        QPen ring(pal.color(QPalette::Highlight), 2);
        painter.setPen(ring);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(track).adjusted(-1, -1, 1, 1), kTrackHeight / 2.0 + 1,
                                kTrackHeight / 2.0 + 1);
    }
}
