#include "ui/SettingSlider.h"

#include "ui/PanelFonts.h"
#include "ui/SecondaryLabel.h"
#include "ui/SteppedSlider.h"
#include "ui/SymbolLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

SettingSlider::SettingSlider(const QString& title, const QString& systemImage, double lower,
                             double upper, double step, QWidget* parent)
    : QWidget(parent)
    , m_symbol(new SymbolLabel(systemImage))
    , m_title(new QLabel(title))
    , m_value(new SecondaryLabel)
    , m_slider(new SteppedSlider(lower, upper, step)) {
    m_title->setTextFormat(Qt::PlainText);
    m_value->setFont(PanelFonts::caption(font()));
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
