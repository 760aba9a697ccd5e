#pragma once

#include <QObject>
#include <QStringList>

class PreferenceStore;

// Which screens get the overlay, by each screen's stable identity. Only the
// screens the user turned off are kept, so a screen never seen before gets
// the overlay, and a screen unplugged and plugged back keeps its choice.
class ScreenSelection : public QObject {
    Q_OBJECT

public:
    // Where the choice is kept in the settings file.
    static constexpr const char* group = "screens/";

    explicit ScreenSelection(PreferenceStore& store, QObject* parent = nullptr);

    bool isShown(const QString& identity) const { return !m_off.contains(identity); }
    void setShown(const QString& identity, bool shown);

signals:
    void changed();

private:
    PreferenceStore& m_store;
    QStringList m_off;
};
