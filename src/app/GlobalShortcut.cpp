#include "app/GlobalShortcut.h"

#include "settings/ToggleShortcut.h"

#include <cstdio>

GlobalShortcut::~GlobalShortcut() = default;

void GlobalShortcut::follow(ToggleShortcut& setting) {
    const auto holdSetting = [this, &setting] {
        const QString text = setting.text();
        const Hold result = hold(QKeySequence::fromString(text, QKeySequence::PortableText));
        if (result == Hold::taken)
            std::fprintf(stderr,
                         "retroglimmer: the shortcut %s is taken by another program; going on "
                         "without it\n",
                         qPrintable(text));
        else if (result == Hold::unusable)
            std::fprintf(stderr,
                         "retroglimmer: the shortcut %s cannot be used; going on without it\n",
                         qPrintable(text));
    };
    connect(&setting, &ToggleShortcut::changed, this, holdSetting);
    holdSetting();
}
