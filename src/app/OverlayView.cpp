#include "app/OverlayView.h"

#include "app/FrameClock.h"
#include "settings/OverlaySettings.h"

#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <cstring>

OverlayView::OverlayView(OverlaySettings& settings, FrameClock& clock, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_clock(clock)
    , m_pacer([this] { tick(); }) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
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
        const QRegion changed = OverlayFrameRenderer::changedRegion(
            QSizeF(size()), m_next, m_shownTime, m_nextTime, devicePixelRatioF());
        if (!changed.isEmpty() && m_presenter)
            presentDirectly(changed);
        else if (!changed.isEmpty())
            update(changed);
    }
    if (OverlayFrameRenderer::isAnimated(m_next))
        scheduleTick();
}

QImage& OverlayView::frame() {
    const double ratio = devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::ceil(width() * ratio - 1e-9)),
                       static_cast<int>(std::ceil(height() * ratio - 1e-9)));
    QImage& frame = m_presenter ? m_presenter->frame(pixels) : m_frame;
    if (frame.size() != pixels)
        frame = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    frame.setDevicePixelRatio(ratio);
    return frame;
}

void OverlayView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Drawn into a frame of our own, where a clip costs nothing, then copied;
    // only the pixels inside the region are ever read from it.
    QImage& image = frame();
    m_renderer.paintInto(image, QSizeF(size()), m_next, m_nextTime, event->region());
    if (!copyIntoWindowImage(painter, image, event->region())) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPointF(0, 0), image);
    }
    markShown();
}

void OverlayView::presentDirectly(const QRegion& region) {
    QImage& image = frame();
    m_renderer.paintInto(image, QSizeF(size()), m_next, m_nextTime, region);
    const double ratio = image.devicePixelRatio();
    if (ratio == 1) {
        m_presenter->present(region);
    } else {
        QRegion pixels;
        for (const QRect& rect : region)
            pixels += OverlayFrameRenderer::devicePixels(rect, ratio);
        m_presenter->present(pixels);
    }
    markShown();
}

void OverlayView::markShown() {
    m_shown = m_next;
    m_shownTime = m_nextTime;
    m_shownSize = size();
    ++m_paintedFrames;
}

bool OverlayView::copyIntoWindowImage(QPainter& painter, const QImage& frame,
                                      const QRegion& region) {
    // Painting on the window goes into its backing image, with a clip of the
    // whole update region that every drawing call would pay for; plain row
    // copies need none. Only for that image itself, not a grab or a render.
    const double ratio = frame.devicePixelRatio();
    QPaintDevice* device = painter.paintEngine() ? painter.paintEngine()->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image ||
        painter.deviceTransform() != QTransform::fromScale(ratio, ratio))
        return false;
    QImage& target = *static_cast<QImage*>(device);
    if (target.format() != frame.format())
        return false;
    const QRect bounds = target.rect().intersected(frame.rect());
    for (const QRect& rect : region) {
        const QRect pixels = OverlayFrameRenderer::devicePixels(rect, ratio).intersected(bounds);
        const qsizetype offset = qsizetype(pixels.left()) * 4;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            std::memcpy(target.scanLine(y) + offset, frame.constScanLine(y) + offset,
                        static_cast<std::size_t>(pixels.width()) * 4);
    }
    return true;
}

void OverlayView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_shown.reset();
    scheduleTick();
}

void OverlayView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_presenter || !m_presenter->drawsOn(*this))
        m_presenter = OverlayPresenter::create(*this);
    m_shown.reset();
    tick();
}

void OverlayView::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    m_pacer.stop();
}
