#pragma once

#include "settings/Look.h"

#include <QList>
#include <QObject>
#include <optional>

class OverlaySettings;

// The looks to switch between: the built-in ones, which never change, and the
// ones the user saved, kept in the store under "looks/NAME/SETTING". A saved
// entry that is damaged (keys missing, values out of range, a mode unknown)
// loads with defaults and clamped values, like the settings themselves.
class LookLibrary : public QObject {
    Q_OBJECT

public:
    // Where saved looks are kept in the settings file.
    static constexpr const char* group = "looks/";

    explicit LookLibrary(OverlaySettings& settings, QObject* parent = nullptr);

    static const QList<Look>& builtIns();
    // A built-in look's name in the user's language; a saved one's as typed.
    static QString shownName(const QString& name);
    const QList<Look>& saved() const { return m_saved; }
    std::optional<Look> find(const QString& name) const;
    bool isBuiltIn(const QString& name) const;

    // The look whose values the settings hold exactly: the one last applied or
    // saved while it still matches, else the first that does; empty when none.
    QString currentName() const;

    // A built-in look is found by its English name or its shown name.
    // Each refuses (false) an unknown look, a name that is empty or taken by a
    // built-in look, and a change to a built-in look.
    bool apply(const QString& name);
    // Keeps the settings' values under the name, replacing a saved look of
    // that name.
    bool saveCurrent(const QString& name);
    bool rename(const QString& from, const QString& to);
    bool remove(const QString& name);

signals:
    // The saved looks changed.
    void changed();

private:
    void load();
    void store(const Look& look);
    void erase(const QString& name);
    int savedIndex(const QString& name) const;

    OverlaySettings& m_settings;
    QList<Look> m_saved;
    QString m_lastChosen;
};
