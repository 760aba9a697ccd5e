#include "render/fast/OverlayFrameRenderer.h"

#include "render/fast/FlatComposite.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
constexpr double maximumPixelSide = 32767;
// Device rows per strip: few enough that no fill of a strip goes to Qt's pool.
constexpr int stripRows = 20;
// Up to this many pixels, composing by hand beats setting up the painter.
constexpr int maximumFlatPixels = 4096;
} // namespace

void OverlayFrameRenderer::paint(QPainter& painter, QSizeF size,
                                 const OverlayRenderConfiguration& snapshot, double time,
                                 const QRegion& region) {
    paintRegion(painter, size, snapshot, time, region, Surface::cleared);
}

void OverlayFrameRenderer::paintInto(QImage& frame, QSizeF size,
                                     const OverlayRenderConfiguration& snapshot, double time,
                                     const QRegion& region) {
    if (region.isEmpty() || frame.isNull())
        return;
    QPainter painter(&frame);
    m_frame = &frame;
    paintRegion(painter, size, snapshot, time, region, Surface::kept);
    m_frame = nullptr;
}

QRect OverlayFrameRenderer::devicePixels(const QRect& rect, double ratio) {
    // Rounded as Qt maps a clip, so that neighbouring rectangles never share a
    // pixel, which would be drawn twice.
    return QRect(
        QPoint(qRound(rect.left() * ratio), qRound(rect.top() * ratio)),
        QPoint(qRound((rect.right() + 1) * ratio) - 1, qRound((rect.bottom() + 1) * ratio) - 1));
}

void OverlayFrameRenderer::paintRegion(QPainter& painter, QSizeF size,
                                       const OverlayRenderConfiguration& snapshot, double time,
                                       const QRegion& region, Surface surface) {
    if (region.isEmpty() || !std::isfinite(size.width()) || !std::isfinite(size.height()) ||
        !(size.width() > 0) || !(size.height() > 0))
        return;
    const double ratio = painter.device()->devicePixelRatioF();
    if (size.width() * ratio > maximumPixelSide || size.height() * ratio > maximumPixelSide)
        return; // no image holds the cached layers of such a canvas
    m_static.prepare(size, ratio, snapshot);
    m_moving.prepare(size, snapshot, time);

    // Strip by strip, each clipped to a rectangle: a rectangular clip keeps
    // Qt's image copies on their direct path, and a fill of a few rows stays on
    // this thread (Qt hands fills of about a hundred rows and more to its thread
    // pool and waits, which costs more than these small fills). A clip the
    // caller set is kept; without one, replacing the clip is cheaper.
    const bool keepClip = painter.hasClipping();
    const QRect pixels(0, 0, static_cast<int>(std::ceil(size.width() * ratio - 1e-9)),
                       static_cast<int>(std::ceil(size.height() * ratio - 1e-9)));
    for (const QRect& rect : region) {
        const QRect device = devicePixels(rect, ratio).intersected(pixels);
        for (int top = device.top(); top <= device.bottom(); top += stripRows) {
            const int rows = std::min(stripRows, device.bottom() + 1 - top);
            const QRectF clip(device.left() / ratio, top / ratio, device.width() / ratio,
                              rows / ratio);
            const QRect strip(device.left(), top, device.width(), rows);
            if (paintFlat(strip, clip, ratio))
                continue;
            if (keepClip) {
                painter.save();
                painter.setClipRect(clip, Qt::IntersectClip);
            } else {
                painter.setClipRect(clip);
            }
            paintStrip(painter, QRectF(QPointF(0, 0), size), strip, clip, surface);
            if (keepClip)
                painter.restore();
        }
    }
    if (!keepClip)
        painter.setClipping(false);
}

bool OverlayFrameRenderer::paintFlat(const QRect& strip, const QRectF& clip, double ratio) {
    if (!m_frame || strip.width() * strip.height() > maximumFlatPixels ||
        !m_moving.flatFills(clip, strip, ratio, m_fills))
        return false;
    FlatComposite::paint(*m_frame, strip, m_static.hasBelow() ? &m_static.below() : nullptr,
                         m_fills, m_static.above());
    return true;
}

void OverlayFrameRenderer::paintStrip(QPainter& painter, const QRectF& canvas, const QRect& strip,
                                      const QRectF& clip, Surface surface) {
    if (m_static.hasBelow() && m_frame) {
        m_static.copyBelow(*m_frame, strip);
    } else if (m_static.hasBelow()) {
        // The surface is transparent, so copying equals compositing, and is cheaper.
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPointF(0, 0), m_static.below());
    } else if (surface == Surface::kept) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setRenderHint(QPainter::Antialiasing, false); // every pixel of the clip, whole
        painter.fillRect(canvas, Qt::transparent);
    }
    m_moving.paint(painter, clip);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QPointF(0, 0), m_static.above());
}

bool OverlayFrameRenderer::isAnimated(const OverlayRenderConfiguration& snapshot) {
    return snapshot.horizontalDrift > 0 || snapshot.flickerIntensity > 0 ||
           snapshot.dustNoise > 0 || snapshot.rollingBand > 0;
}
