#include "ui/SecondaryLabel.h"

#include <QApplication>
#include <QEvent>
#include <algorithm>
#include <cmath>

namespace {
QColor mix(const QColor& from, const QColor& to, double share) {
    const auto channel = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

double luminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}
} // namespace

SecondaryLabel::SecondaryLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    refresh();
}

double SecondaryLabel::contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor SecondaryLabel::colour(const QPalette& palette) {
    const QColor background = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    const QColor placeholder = palette.color(QPalette::PlaceholderText);
    const QColor faint = mix(background, placeholder, placeholder.alphaF());
    for (int step = 0; step < 20; ++step) {
        const QColor candidate = mix(faint, text, step / 20.0);
        if (contrast(candidate, background) >= minimumContrast)
            return candidate;
    }
    return text;
}

void SecondaryLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        refresh();
}

// Derived from the palette the label inherits, not its own, which holds the
// derived colour; setting it sends one more palette change, which finds it set.
// Only that one role is the label's own, so the rest keeps following changes.
void SecondaryLabel::refresh() {
    const QPalette inherited =
        parentWidget() ? parentWidget()->palette() : QApplication::palette(this);
    const QColor wanted = colour(inherited);
    if (palette().color(QPalette::WindowText) == wanted)
        return;
    QPalette own;
    own.setColor(QPalette::WindowText, wanted);
    setPalette(own);
}
