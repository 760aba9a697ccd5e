#include "OverlayFrameRenderer.h"

#include "OverlayFrame.h"
#include "QPainterDrawingContext.h"

#include <cmath>

void OverlayFrameRenderer::paint(QPainter& painter, QSizeF size,
                                 const OverlayRenderConfiguration& snapshot, double time,
                                 const QRegion& region) {
    painter.save();
    painter.setClipRegion(region);
    QPainterDrawingContext context(painter);
    drawOverlayFrame(context, size, snapshot, time);
    painter.restore();
}

bool OverlayFrameRenderer::isAnimated(const OverlayRenderConfiguration& s) {
    return s.horizontalDrift > 0 || s.flickerIntensity > 0 || s.dustNoise > 0 || s.rollingBand > 0;
}

QRegion OverlayFrameRenderer::changedRegion(QSizeF size, const OverlayRenderConfiguration& snapshot,
                                            double previousTime, double time) {
    if (!isAnimated(snapshot) || previousTime == time)
        return QRegion();
    return QRegion(QRect(0, 0, int(std::ceil(size.width())), int(std::ceil(size.height()))));
}
