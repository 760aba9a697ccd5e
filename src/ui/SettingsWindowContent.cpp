#include "ui/SettingsWindowContent.h"

#include "ui/ListScrollArea.h"
#include "ui/LookPicker.h"
#include "ui/SettingsList.h"
#include "ui/ShortcutField.h"

#include <QVBoxLayout>

SettingsWindowContent::SettingsWindowContent(OverlaySettings& settings, LookLibrary* looks,
                                             ToggleShortcut* shortcut, QWidget* parent)
    : QWidget(parent)
    , m_list(new SettingsList(settings, true)) {
    setFixedSize(fixedFrame);

    auto* content = new QWidget;
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(20, 20, 20, 20);
    contentLayout->addWidget(m_list);
    if (shortcut)
        contentLayout->addWidget(new ShortcutField(*shortcut));
    auto* scrollArea = new ListScrollArea;
    scrollArea->setWidget(content);
    scrollArea->setWidgetResizable(true);
    scrollArea->setFrameShape(QFrame::NoFrame);
    // The list adapts to the width; only the vertical indicator is ever useful.
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea->setFocusPolicy(Qt::NoFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (looks) {
        auto* picker = new LookPicker(settings, *looks);
        layout->addWidget(picker);
        setFixedSize(fixedFrame + QSize(0, picker->sizeHint().height()));
    }
    layout->addWidget(scrollArea);
}
