#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

// The overlay's frame clock: runs a tick as soon as asked, but never sooner
// than 1/30 s after the previous one, so nothing draws more than 30 frames a
// second whatever the display's pace.
class TickPacer : public QObject {
public:
    static constexpr double minimumInterval = 1.0 / 30.0;

    explicit TickPacer(std::function<void()> tick);

    // Asks for a tick; any number of asks before it runs make one.
    void schedule();
    // A tick starts now (also one not run by the pacer).
    void ticked() { m_sinceTick.start(); }
    void stop() { m_timer.stop(); }
    bool isRunning() const { return m_timer.isActive(); }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
};
