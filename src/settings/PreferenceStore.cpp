#include "settings/PreferenceStore.h"

#include <cmath>

void PreferenceStore::registerDefaults(const QVariantMap& defaults) {
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it)
        m_registered.insert(it.key(), it.value());
}

std::optional<QVariant> PreferenceStore::lookup(const QString& key) const {
    if (auto stored = readValue(key))
        return stored;
    if (auto it = m_registered.constFind(key); it != m_registered.cend())
        return *it;
    return std::nullopt;
}

double PreferenceStore::doubleForKey(const QString& key) const {
    const std::optional<QVariant> value = lookup(key);
    if (!value)
        return 0.0;
    if (value->typeId() == QMetaType::Bool)
        return value->toBool() ? 1.0 : 0.0;
    if (value->typeId() == QMetaType::QString) {
        // Text files keep numbers as text ("inf" and "nan" included); trim what
        // a hand edit may have left around them. A number beyond a double's
        // range fails with the infinity of its sign, which then clamps to the
        // nearer end like any other large number.
        bool ok = false;
        const double parsed = value->toString().trimmed().toDouble(&ok);
        return ok || std::isinf(parsed) ? parsed : 0.0;
    }
    bool ok = false;
    const double number = value->toDouble(&ok);
    return ok ? number : 0.0;
}

std::optional<QString> PreferenceStore::stringForKey(const QString& key) const {
    const std::optional<QVariant> value = lookup(key);
    if (!value || value->typeId() != QMetaType::QString)
        return std::nullopt;
    return value->toString();
}

QStringList PreferenceStore::storedKeys(const QString& prefix) const {
    QStringList keys = allStoredKeys();
    keys.removeIf([&prefix](const QString& key) { return !key.startsWith(prefix); });
    return keys;
}
