#include "ui/SettingsList.h"

#include "settings/SettingsTable.h"
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
QString valueText(SettingUnit unit, double value) {
    switch (unit) {
    case SettingUnit::pixels:
        return ValueText::pixels(value);
    case SettingUnit::percent:
        return ValueText::percent(value);
    case SettingUnit::degrees:
        return ValueText::degrees(value);
    }
    Q_UNREACHABLE();
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

    for (const SettingDefinition& definition : SettingsTable::all()) {
        addRow(definition);
        if (definition.setting == Setting::tintOpacity) {
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
        // Each title is a whole string literal, ended as tr() expects.
        m_picker->addItem(tr(mode.title().data()), mode.ordinal());
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

void SettingsList::addRow(const SettingDefinition& definition) {
    auto* row = new SettingSlider(tr(definition.label), QString::fromLatin1(definition.symbol),
                                  definition.lower, definition.upper, definition.step);
    const Setting setting = definition.setting;
    m_rows[std::size_t(setting)] = row;
    m_layout->addWidget(row);
    connect(row, &SettingSlider::valueEdited, &m_settings,
            [this, setting](double value) { m_settings.setValue(setting, value); });
    connect(&m_settings, &OverlaySettings::valueChanged, row, [this, setting](Setting changed) {
        if (changed == setting)
            showRow(setting);
    });
    showRow(setting);
}

SettingSlider* SettingsList::row(Setting setting) const {
    return m_rows[std::size_t(setting)];
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
    for (const SettingDefinition& definition : SettingsTable::all()) {
        order.append(row(definition.setting)->slider());
        if (definition.setting == Setting::tintOpacity)
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

void SettingsList::showRow(Setting setting) {
    const double value = m_settings.value(setting);
    m_rows[std::size_t(setting)]->display(value, valueText(SettingsTable::of(setting).unit, value));
}

void SettingsList::showFlickerMode() {
    m_picker->setCurrentIndex(m_settings.flickerMode().ordinal());
}
