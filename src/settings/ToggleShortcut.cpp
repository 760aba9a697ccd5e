#include "settings/ToggleShortcut.h"

ToggleShortcut::ToggleShortcut(PreferenceStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_text(store.stringForKey(QLatin1String(key)).value_or(QLatin1String(defaultText))) {}

void ToggleShortcut::setText(const QString& text) {
    m_store.setString(QLatin1String(key), text);
    if (text == m_text)
        return;
    m_text = text;
    emit changed();
}
