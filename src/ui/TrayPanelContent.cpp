#include "ui/TrayPanelContent.h"

#include "settings/OverlaySettings.h"
#include "ui/Divider.h"
#include "ui/ListScrollArea.h"
#include "ui/SettingsList.h"
#include "ui/SymbolButton.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int kPadding = 16;
constexpr int kSpacing = 14;
constexpr int kListTrailingInset = 4;
} // namespace

TrayPanelContent::TrayPanelContent(OverlaySettings& settings, QWidget* parent)
    : QWidget(parent)
    , m_listArea(new ListScrollArea)
    , m_list(new SettingsList(settings, false))
    , m_reset(new SymbolButton(QStringLiteral("arrow.counterclockwise"), tr("Reset")))
    , m_quit(new SymbolButton(QStringLiteral("power"), tr("Quit"))) {
    setFixedSize(fixedFrame);
    setAutoFillBackground(true);

    auto* content = new QWidget;
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, kListTrailingInset, 0);
    contentLayout->addWidget(m_list);
    m_listArea->setWidget(content);
    m_listArea->setWidgetResizable(true);
    m_listArea->setFixedSize(listAreaSize);
    m_listArea->setFrameShape(QFrame::NoFrame);
    m_listArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_listArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab goes straight to the controls; the area follows the focus by itself.
    m_listArea->setFocusPolicy(Qt::NoFocus);

    auto* divider = new Divider;

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(m_reset);
    buttons->addStretch(1);
    buttons->addWidget(m_quit);

    // 520 + 2 x 14 + 2 x 16 leaves 10 points of the 590 for the divider and the
    // buttons, less than a button needs. The list area and the frame keep their
    // sizes; the paddings above and below and the spacing give way in proportion.
    const int buttonHeight = std::max(m_reset->sizeHint().height(), m_quit->sizeHint().height());
    const int slack =
        fixedFrame.height() - listAreaSize.height() - divider->minimumHeight() - buttonHeight;
    const int full = 2 * kPadding + 2 * kSpacing;
    const int spacing = slack >= full ? kSpacing : std::max(0, slack * kSpacing / full);
    const int top = slack >= full ? kPadding : std::max(0, (slack - 2 * spacing) / 2);
    const int bottom = std::max(0, slack - 2 * spacing - top);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kPadding, top, kPadding, bottom);
    column->setSpacing(spacing);
    column->addWidget(m_listArea, 0, Qt::AlignHCenter);
    column->addWidget(divider);
    column->addLayout(buttons);
    column->addStretch(1);

    QWidget::setTabOrder(m_list->focusOrder().constLast(), m_reset);
    QWidget::setTabOrder(m_reset, m_quit);

    connect(m_reset, &QPushButton::clicked, &settings, &OverlaySettings::resetToDefaults);
    connect(m_quit, &QPushButton::clicked, this, [] { QCoreApplication::quit(); });
}
