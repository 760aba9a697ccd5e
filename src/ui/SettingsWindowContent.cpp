#include "ui/SettingsWindowContent.h"

#include "ui/ListScrollArea.h"
#include "ui/SettingsList.h"
#include "ui/ShortcutField.h"

#include <QScrollArea>
#include <QVBoxLayout>

SettingsWindowContent::SettingsWindowContent(OverlaySettings& settings, ToggleShortcut* shortcut,
                                             QWidget* parent)
    : QWidget(parent)
    , m_scrollArea(new ListScrollArea)
    , m_list(new SettingsList(settings, true)) {
    setFixedSize(fixedFrame);

    auto* content = new QWidget;
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(20, 20, 20, 20);
    contentLayout->addWidget(m_list);
    if (shortcut)
        contentLayout->addWidget(new ShortcutField(*shortcut));
    m_scrollArea->setWidget(content);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    // The list adapts to the width; only the vertical indicator is ever useful.
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setFocusPolicy(Qt::NoFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollArea);
}
