#include "MovingLayerPainter.h"

#include "DustNoise.h"
#include "HorizontalDrift.h"
#include "OverlayFrame.h"
#include "PixelFlicker.h"
#include "QPainterDrawingContext.h"
#include "RollingBand.h"

#include <QLinearGradient>
#include <QPainter>

namespace {
QColor colorAt(const DrawingColor& color, double opacity) {
    return QPainterDrawingContext::toColor(color.withOpacity(opacity));
}
} // namespace

const QBrush& MovingLayerPainter::solidBrush(const QColor& color) {
    QBrush& brush = m_solid[m_nextSolid];
    m_nextSolid = 1 - m_nextSolid;
    brush.setColor(color);
    return brush;
}

void MovingLayerPainter::paint(QPainter& painter, QSizeF size,
                               const OverlayRenderConfiguration& snapshot, double time) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(Qt::NoPen);
    if (snapshot.horizontalDrift > 0)
        paintHorizontalDrift(painter, size, snapshot, time);
    if (snapshot.flickerIntensity > 0)
        paintPixelFlicker(painter, size, snapshot, time);
    if (snapshot.dustNoise > 0)
        paintDustNoise(painter, size, snapshot, time);
    if (snapshot.rollingBand > 0)
        paintRollingBand(painter, size, snapshot, time);
    painter.setBrush(Qt::NoBrush);
}

void MovingLayerPainter::paintHorizontalDrift(QPainter& painter, QSizeF size,
                                              const OverlayRenderConfiguration& snapshot,
                                              double time) {
    HorizontalDriftBands bands;
    if (!horizontalDriftBands(size.width(), size.height(), snapshot, time, bands))
        return;
    for (const HorizontalDriftBand& band : bands) {
        const QRectF rect = band.rect.normalized();
        painter.fillRect(rect, colorAt(DrawingColor::white(), band.opacity));
        QPainterDrawingContext::fillRectangleOutline(
            painter, rect, 1, solidBrush(colorAt(DrawingColor::black(), band.opacity * 1.4)));
    }
}

void MovingLayerPainter::paintPixelFlicker(QPainter& painter, QSizeF size,
                                           const OverlayRenderConfiguration& snapshot,
                                           double time) {
    const std::optional<PixelFlickerPattern> pattern =
        pixelFlickerPattern(size.width(), size.height(), overlayCellSize(snapshot), snapshot, time);
    if (!pattern)
        return;
    pattern->forEachFlash([&](const QRectF& cell, bool white, double opacity) {
        painter.fillRect(cell,
                         colorAt(white ? DrawingColor::white() : DrawingColor::black(), opacity));
    });
}

void MovingLayerPainter::paintDustNoise(QPainter& painter, QSizeF size,
                                        const OverlayRenderConfiguration& snapshot, double time) {
    const std::optional<DustNoisePattern> pattern =
        dustNoisePattern(size.width(), size.height(), snapshot, time);
    if (!pattern)
        return;
    pattern->forEachDot([&](const QRectF& bounds, bool white, double opacity) {
        painter.setBrush(
            solidBrush(colorAt(white ? DrawingColor::white() : DrawingColor::black(), opacity)));
        painter.drawEllipse(bounds);
    });
}

void MovingLayerPainter::paintRollingBand(QPainter& painter, QSizeF size,
                                          const OverlayRenderConfiguration& snapshot, double time) {
    const std::optional<QRectF> rect = rollingBandRect(size.width(), size.height(), snapshot, time);
    if (!rect)
        return;
    // The gradient depends on the band's height and strength only; its position
    // moves with the brush transform.
    if (rect->height() != m_bandHeight || snapshot.rollingBand != m_bandStrength) {
        QLinearGradient gradient(QPointF(0, 0), QPointF(0, rect->height()));
        gradient.setStops(QPainterDrawingContext::toStops(rollingBandStops(snapshot.rollingBand)));
        m_band = QBrush(gradient);
        m_bandHeight = rect->height();
        m_bandStrength = snapshot.rollingBand;
    }
    m_band.setTransform(QTransform::fromTranslate(0, rect->top()));
    painter.fillRect(*rect, m_band);
}
