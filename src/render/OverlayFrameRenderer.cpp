#include "OverlayFrameRenderer.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace {
constexpr double maximumPixelSide = 32767;
}

void OverlayFrameRenderer::paint(QPainter& painter, QSizeF size,
                                 const OverlayRenderConfiguration& snapshot, double time,
                                 const QRegion& region) {
    if (region.isEmpty() || !std::isfinite(size.width()) || !std::isfinite(size.height()) ||
        !(size.width() > 0) || !(size.height() > 0))
        return;
    const double ratio = painter.device()->devicePixelRatioF();
    if (size.width() * ratio > maximumPixelSide || size.height() * ratio > maximumPixelSide)
        return; // no image holds the cached layers of such a canvas
    m_static.prepare(size, ratio, snapshot);

    // A clip costs allocations and time; a whole-canvas region needs none.
    const QRect canvas(0, 0, static_cast<int>(std::ceil(size.width())),
                       static_cast<int>(std::ceil(size.height())));
    const bool clipped = !(region.rectCount() == 1 && region.boundingRect().contains(canvas));
    painter.save();
    if (clipped)
        painter.setClipRegion(region, Qt::IntersectClip);
    if (m_static.hasBelow()) {
        // The surface is transparent, so copying equals compositing, and is cheaper.
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPointF(0, 0), m_static.below());
    }
    if (isAnimated(snapshot))
        m_moving.paint(painter, size, snapshot, time);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QPointF(0, 0), m_static.above());
    painter.restore();
}

bool OverlayFrameRenderer::isAnimated(const OverlayRenderConfiguration& snapshot) {
    return snapshot.horizontalDrift > 0 || snapshot.flickerIntensity > 0 ||
           snapshot.dustNoise > 0 || snapshot.rollingBand > 0;
}
