#pragma once

#include <QString>
#include <QtGlobal>

// Tracks every QObject created while it exists, in any thread, through Qt's
// object-lifetime hooks (the ones object inspectors use), and tells which of
// them are still alive. One census at a time.
class LiveObjectCensus {
public:
    LiveObjectCensus();
    ~LiveObjectCensus();
    LiveObjectCensus(const LiveObjectCensus&) = delete;
    LiveObjectCensus& operator=(const LiveObjectCensus&) = delete;

    // Whether Qt offers the hooks (checked against their layout version).
    static bool available();

    // How many objects created since construction are still alive.
    int survivors() const;
    // The survivors by class: "2 QTimer, 1 QWidget"; empty when none.
    QString summary() const;

private:
    quintptr m_previousAdd = 0;
    quintptr m_previousRemove = 0;
};
