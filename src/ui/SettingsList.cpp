#include "ui/SettingsList.h"

#include "ui/Divider.h"
#include "ui/PanelFonts.h"
#include "ui/SecondaryLabel.h"
#include "ui/SettingSlider.h"
#include "ui/SteppedSlider.h"
#include "ui/SwitchToggle.h"
#include "ui/SymbolLabel.h"
#include "ui/ValueText.h"
#include "ui/WheelNeedsFocus.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
using Number = OverlaySettings::Number;

enum class Unit { pixels, percent, degrees };

struct RowDefinition {
    Number number;
    const char* title; // shown verbatim
    const char* symbol;
    double step;
    Unit unit;
    void (OverlaySettings::*changed)();
};

// In the order shown; the divider and the picker come after tintOpacity.
const RowDefinition kRows[] = {
    {Number::gridSize, "Pixel size", "square.grid.3x3", 1.0, Unit::pixels,
     &OverlaySettings::gridSizeChanged},
    {Number::gridOpacity, "Grid", "grid", 0.01, Unit::percent,
     &OverlaySettings::gridOpacityChanged},
    {Number::scanlineOpacity, "Scanlines", "line.3.horizontal", 0.01, Unit::percent,
     &OverlaySettings::scanlineOpacityChanged},
    {Number::tintHue, "Tint color", "paintpalette", 0.01, Unit::degrees,
     &OverlaySettings::tintHueChanged},
    {Number::tintOpacity, "Tint strength", "circle.lefthalf.filled", 0.01, Unit::percent,
     &OverlaySettings::tintOpacityChanged},
    {Number::flickerIntensity, "Pixel flicker", "sparkles.tv", 0.01, Unit::percent,
     &OverlaySettings::flickerIntensityChanged},
    {Number::phosphorGlow, "Phosphor glow", "light.max", 0.01, Unit::percent,
     &OverlaySettings::phosphorGlowChanged},
    {Number::horizontalDrift, "Horizontal drift", "arrow.left.and.right", 0.01, Unit::percent,
     &OverlaySettings::horizontalDriftChanged},
    {Number::horizontalDriftSpeed, "Drift speed", "speedometer", 0.01, Unit::percent,
     &OverlaySettings::horizontalDriftSpeedChanged},
    {Number::rollingBand, "Rolling band", "rectangle.compress.vertical", 0.01, Unit::percent,
     &OverlaySettings::rollingBandChanged},
    {Number::rollingBandSpeed, "Band speed", "speedometer", 0.01, Unit::percent,
     &OverlaySettings::rollingBandSpeedChanged},
    {Number::dustNoise, "Signal dust", "circle.grid.cross", 0.01, Unit::percent,
     &OverlaySettings::dustNoiseChanged},
};

const RowDefinition& rowDefinition(Number number) {
    for (const RowDefinition& definition : kRows)
        if (definition.number == number)
            return definition;
    Q_UNREACHABLE();
}

QString valueText(Unit unit, double value) {
    switch (unit) {
    case Unit::pixels:
        return ValueText::pixels(value);
    case Unit::percent:
        return ValueText::percent(value);
    case Unit::degrees:
        return ValueText::degrees(value);
    }
    Q_UNREACHABLE();
}

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
} // namespace

SettingsList::SettingsList(OverlaySettings& settings, bool showsHeader, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_layout(new QVBoxLayout(this)) {
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(16);

    if (showsHeader) {
        m_header = makeHeader();
        m_layout->addWidget(m_header);
    }

    m_switch = new SwitchToggle;
    m_layout->addWidget(m_switch);
    connect(m_switch, &SwitchToggle::clicked, &m_settings, &OverlaySettings::setIsEnabled);
    connect(&m_settings, &OverlaySettings::isEnabledChanged, m_switch, [this] { showEnabled(); });
    showEnabled();
    m_compositorNote = new QLabel(tr("Needs a compositor; appears when one runs."));
    m_compositorNote->setFont(PanelFonts::subheadline(font()));
    m_compositorNote->setWordWrap(true);
    m_compositorNote->hide();
    m_layout->addWidget(m_compositorNote);

    for (const RowDefinition& definition : kRows) {
        addRow(definition.number);
        if (definition.number == Number::tintOpacity) {
            auto* divider = new Divider;
            m_layout->addWidget(divider);
            m_layout->addWidget(makePicker());
        }
    }
    m_layout->addStretch(1);

    const QList<QWidget*> order = focusOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QWidget* SettingsList::makeHeader() {
    auto* header = new QWidget;
    header->setObjectName(QStringLiteral("header"));
    auto* title = new QLabel(tr("Retro Glimmer"));
    title->setFont(PanelFonts::title(font()));
    auto* tagline = new SecondaryLabel(tr("CRT overlay for videos, browsers, and local players."));
    tagline->setFont(PanelFonts::subheadline(font()));
    tagline->setWordWrap(true);

    auto* column = new QVBoxLayout(header);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(title);
    column->addWidget(tagline);
    return header;
}

QWidget* SettingsList::makePicker() {
    auto* row = new QWidget;
    auto* label = new QLabel(tr("Flicker type"));
    m_picker = new QComboBox;
    for (const FlickerMode& mode : FlickerMode::allCases())
        m_picker->addItem(fromView(mode.title()), mode.ordinal());
    m_picker->setAccessibleName(label->text());
    m_picker->setFocusPolicy(Qt::StrongFocus);
    WheelNeedsFocus::install(m_picker);
    label->setBuddy(m_picker);

    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(new SymbolLabel(QStringLiteral("waveform.path")));
    line->addWidget(label);
    line->addStretch(1);
    line->addWidget(m_picker);

    // activated comes from the user only, so showing the mode never writes it.
    connect(m_picker, &QComboBox::activated, &m_settings, [this](int index) {
        m_settings.setFlickerMode(FlickerMode::allCases().at(std::size_t(index)));
    });
    connect(&m_settings, &OverlaySettings::flickerModeChanged, m_picker,
            [this] { showFlickerMode(); });
    showFlickerMode();
    return row;
}

void SettingsList::addRow(Number number) {
    const RowDefinition& definition = rowDefinition(number);
    const OverlaySettings::NumberDefinition& range = OverlaySettings::definition(number);
    auto* row =
        new SettingSlider(QString::fromUtf8(definition.title), QString::fromUtf8(definition.symbol),
                          range.lower, range.upper, definition.step);
    m_rows[std::size_t(number)] = row;
    m_layout->addWidget(row);
    connect(row, &SettingSlider::valueEdited, &m_settings,
            [this, number](double value) { m_settings.setNumber(number, value); });
    connect(&m_settings, definition.changed, row, [this, number] { showRow(number); });
    showRow(number);
}

SettingSlider* SettingsList::row(Number number) const {
    return m_rows[std::size_t(number)];
}

QList<QWidget*> SettingsList::entries() const {
    QList<QWidget*> result;
    for (int i = 0; i < m_layout->count(); ++i)
        if (QWidget* widget = m_layout->itemAt(i)->widget())
            result.append(widget);
    return result;
}

QList<QWidget*> SettingsList::focusOrder() const {
    QList<QWidget*> order{m_switch};
    for (const RowDefinition& definition : kRows) {
        order.append(row(definition.number)->slider());
        if (definition.number == Number::tintOpacity)
            order.append(m_picker);
    }
    return order;
}

void SettingsList::showEnabled() {
    const bool on = m_settings.isEnabled();
    m_switch->setChecked(on);
    m_switch->setText(on ? tr("Overlay enabled") : tr("Overlay disabled"));
    m_switch->setSymbol(on ? QStringLiteral("display") : QStringLiteral("display.slash"));
    m_switch->setAccessibleName(m_switch->text());
}

void SettingsList::setNeedsCompositor(bool needs) {
    m_compositorNote->setVisible(needs);
}

void SettingsList::showRow(Number number) {
    const double value = m_settings.number(number);
    m_rows[std::size_t(number)]->display(value, valueText(rowDefinition(number).unit, value));
}

void SettingsList::showFlickerMode() {
    m_picker->setCurrentIndex(m_settings.flickerMode().ordinal());
}
