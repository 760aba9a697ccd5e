#pragma once

#include "settings/PreferenceStore.h"

// A store that keeps everything in memory: for tests and tools that must not
// touch the user's settings.
class InMemoryPreferenceStore : public PreferenceStore {
public:
    // The persistent layer only, without registered defaults.
    const QVariantMap& storedValues() const { return m_stored; }
    void setStoredValue(const QString& key, const QVariant& value) { m_stored.insert(key, value); }
    int writeCount(const QString& key) const { return m_writes.value(key); }

protected:
    std::optional<QVariant> readValue(const QString& key) const override;
    void writeValue(const QString& key, const QVariant& value) override;
    void removeValue(const QString& key) override { m_stored.remove(key); }
    QStringList allStoredKeys() const override { return m_stored.keys(); }

private:
    QVariantMap m_stored;
    QHash<QString, int> m_writes;
};
