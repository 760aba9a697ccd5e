#include "OverlayView.h"

#include "FrameClock.h"
#include "OverlaySettings.h"

#include <QPaintEvent>
#include <QPainter>

OverlayView::OverlayView(OverlaySettings& settings, FrameClock& clock, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_clock(clock)
    , m_pacer([this] { tick(); }) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    // A change of any effect setting shows by the next tick; a still view
    // restarts its clock for it.
    connect(&settings, &OverlaySettings::effectSettingsChanged, this, &OverlayView::scheduleTick);
}

void OverlayView::scheduleTick() {
    if (isVisible())
        m_pacer.schedule();
}

void OverlayView::tick() {
    m_pacer.ticked();
    m_next = OverlayRenderConfiguration::fromSettings(m_settings);
    m_nextTime = m_clock.now();
    if (!m_shown || !(*m_shown == m_next) || m_shownSize != size()) {
        update();
    } else {
        const QRegion changed =
            OverlayFrameRenderer::changedRegion(QSizeF(size()), m_next, m_shownTime, m_nextTime);
        if (!changed.isEmpty())
            update(changed);
    }
    if (OverlayFrameRenderer::isAnimated(m_next))
        scheduleTick();
}

void OverlayView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    m_renderer.paint(painter, QSizeF(size()), m_next, m_nextTime, event->region());
    m_shown = m_next;
    m_shownTime = m_nextTime;
    m_shownSize = size();
    ++m_paintedFrames;
}

void OverlayView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_shown.reset();
    scheduleTick();
}

void OverlayView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_shown.reset();
    tick();
}

void OverlayView::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    m_pacer.stop();
}
