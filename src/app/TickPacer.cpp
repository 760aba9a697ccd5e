#include "app/TickPacer.h"

#include <cmath>

TickPacer::TickPacer(std::function<void()> tick) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, std::move(tick));
}

void TickPacer::schedule() {
    qint64 waitMs = 0;
    if (m_sinceTick.isValid()) {
        const double remaining = minimumInterval - double(m_sinceTick.nsecsElapsed()) * 1e-9;
        waitMs = remaining > 0 ? qint64(std::ceil(remaining * 1000.0)) : 0;
    }
    if (m_timer.isActive() && m_timer.remainingTime() <= waitMs)
        return;
    m_timer.start(int(waitMs));
}
