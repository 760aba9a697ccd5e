#include "SettingSlider.h"

#include "SteppedSlider.h"
#include "SymbolLabel.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
// A caption-size font whose digits all have the same width, so the value text
// does not jitter while the thumb moves.
QFont captionFont(const QFont& base) {
    QFont font = base;
    font.setPointSizeF(base.pointSizeF() * 0.85);
    const QFontMetricsF metrics(font);
    const qreal zero = metrics.horizontalAdvance(QLatin1Char('0'));
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (!qFuzzyCompare(metrics.horizontalAdvance(QLatin1Char(digit)), zero)) {
            QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
            fixed.setPointSizeF(font.pointSizeF());
            return fixed;
        }
    }
    return font;
}
} // namespace

SettingSlider::SettingSlider(const QString& title, const QString& systemImage, double lower,
                             double upper, double step, QWidget* parent)
    : QWidget(parent)
    , m_symbol(new SymbolLabel(systemImage))
    , m_title(new QLabel(title))
    , m_value(new QLabel)
    , m_slider(new SteppedSlider(lower, upper, step)) {
    m_title->setTextFormat(Qt::PlainText);
    m_value->setTextFormat(Qt::PlainText);
    m_value->setFont(captionFont(font()));
    m_value->setForegroundRole(QPalette::PlaceholderText);
    m_value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_slider->setAccessibleName(title);

    auto* line = new QHBoxLayout;
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(m_symbol);
    line->addWidget(m_title);
    line->addStretch(1);
    line->addWidget(m_value);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    column->addLayout(line);
    column->addWidget(m_slider);

    connect(m_slider, &SteppedSlider::valueEdited, this, &SettingSlider::valueEdited);
}

QString SettingSlider::title() const {
    return m_title->text();
}
QString SettingSlider::systemImage() const {
    return m_symbol->symbol();
}
QString SettingSlider::formattedValue() const {
    return m_value->text();
}

void SettingSlider::display(double value, const QString& formattedValue) {
    m_slider->setDoubleValue(value);
    m_slider->setValueText(formattedValue);
    m_value->setText(formattedValue);
}
