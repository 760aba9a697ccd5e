#include "settings/InMemoryPreferenceStore.h"

std::optional<QVariant> InMemoryPreferenceStore::readValue(const QString& key) const {
    if (auto it = m_stored.constFind(key); it != m_stored.cend())
        return *it;
    return std::nullopt;
}

void InMemoryPreferenceStore::writeValue(const QString& key, const QVariant& value) {
    m_stored.insert(key, value);
    ++m_writes[key];
}
