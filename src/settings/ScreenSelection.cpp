#include "settings/ScreenSelection.h"

#include "settings/PreferenceStore.h"

namespace {
const QString kOffKey = QLatin1String(ScreenSelection::group) + QStringLiteral("off");
} // namespace

ScreenSelection::ScreenSelection(PreferenceStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store) {
    // A one-item list reads back as a plain string; anything else unreadable
    // reads as no list, so every screen keeps its overlay.
    m_off = m_store.value(kOffKey).toStringList();
    m_off.removeAll(QString());
    m_off.removeDuplicates();
}

void ScreenSelection::setShown(const QString& identity, bool shown) {
    if (isShown(identity) == shown)
        return;
    if (shown)
        m_off.removeAll(identity);
    else
        m_off.append(identity);
    if (m_off.isEmpty())
        m_store.remove(kOffKey);
    else
        m_store.setValue(kOffKey, m_off);
    emit changed();
}
