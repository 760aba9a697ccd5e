#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <optional>

// Per-user key-value store with a volatile layer of registered defaults.
// The registration layer lives in memory only and answers for keys that hold
// no stored value; subclasses provide the persistent layer.
class PreferenceStore {
public:
    virtual ~PreferenceStore() = default;

    void registerDefaults(const QVariantMap& defaults);

    // Stored value, else registered value, else 0. A value with no numeric
    // reading gives 0.
    double doubleForKey(const QString& key) const;
    // Stored or registered string; nothing for an absent key or a non-string value.
    std::optional<QString> stringForKey(const QString& key) const;

    void setBool(const QString& key, bool value) { writeValue(key, value); }
    void setDouble(const QString& key, double value) { writeValue(key, value); }
    void setString(const QString& key, const QString& value) { writeValue(key, value); }

    // Pushes pending writes to the persistent medium now.
    virtual void sync() {}

    // Whole groups of keys kept beside the settings (saved looks, screen
    // choices): any value, read back as stored or registered (invalid when
    // neither), removed outright, and listed by the group's prefix.
    QVariant value(const QString& key) const { return lookup(key).value_or(QVariant()); }
    void setValue(const QString& key, const QVariant& value) { writeValue(key, value); }
    void remove(const QString& key) { removeValue(key); }
    QStringList storedKeys(const QString& prefix) const;

protected:
    virtual std::optional<QVariant> readValue(const QString& key) const = 0;
    virtual void writeValue(const QString& key, const QVariant& value) = 0;
    virtual void removeValue(const QString& key) = 0;
    virtual QStringList allStoredKeys() const = 0;

private:
    std::optional<QVariant> lookup(const QString& key) const;

    QVariantMap m_registered;
};
