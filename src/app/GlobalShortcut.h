#pragma once

#include <QKeySequence>
#include <QObject>
#include <memory>

class ToggleShortcut;

// A key combination that works wherever the keyboard focus is. Which system
// service holds it depends on the platform (GlobalShortcut_*); Wayland lets no
// program take keys, so there the desktop binds a key to the command line.
class GlobalShortcut : public QObject {
    Q_OBJECT

public:
    enum class Hold { held, taken, unusable };

    // The session's kind, or null where no program may take keys.
    static std::unique_ptr<GlobalShortcut> create();
    ~GlobalShortcut() override;

    // Holds this combination (the first chord) instead of the one before; an
    // empty one holds none.
    virtual Hold hold(const QKeySequence& sequence) = 0;

    // Holds the setting's combination now and whenever it changes. One that
    // cannot be held is said once on stderr and the program goes on without.
    void follow(ToggleShortcut& setting);

signals:
    void activated();
};
