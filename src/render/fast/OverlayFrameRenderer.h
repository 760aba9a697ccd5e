#pragma once

#include "render/OverlayRenderConfiguration.h"
#include "render/fast/MovingLayerPainter.h"
#include "render/fast/StaticOverlayLayers.h"

#include <QRegion>
#include <QSizeF>

class QImage;
class QPainter;

// The overlay's fast path: the same pixels as drawOverlayFrame (within two levels
// per channel) at a small fraction of the cost. The time-free layers are cached
// per size, pixel ratio and settings; a frame copies the layer below, draws the
// moving layers and composites the layer above.
class OverlayFrameRenderer {
public:
    // Paints the frame's pixels inside region (logical points) onto a painter
    // whose device is a cleared, transparent ARGB32_Premultiplied surface of any
    // device pixel ratio.
    void paint(QPainter& painter, QSizeF size, const OverlayRenderConfiguration& snapshot,
               double time, const QRegion& region);

    // The same into an ARGB32_Premultiplied image of any device pixel ratio
    // holding an earlier frame: the pixels inside region are replaced, the
    // others kept. With no clip but its own strips, this is the cheaper way.
    void paintInto(QImage& frame, QSizeF size, const OverlayRenderConfiguration& snapshot,
                   double time, const QRegion& region);

    // The device pixels a rectangle of points covers when painted at ratio:
    // rectangles that do not overlap never share a pixel.
    static QRect devicePixels(const QRect& rect, double ratio);

    // True when some layer moves with time: drift, flicker, dust or rolling band.
    static bool isAnimated(const OverlayRenderConfiguration& snapshot);

    // The area (logical points) that may differ between the frames at
    // previousTime and time: the moving bands of both frames and, when a flicker
    // or dust tick has passed, the cells and dots of both ticks. Empty when
    // nothing changes but the bands by less than a whole point, which is not
    // worth a repaint; the whole canvas when unsure. ratio is the device
    // pixels per point the frame is painted at.
    static QRegion changedRegion(QSizeF size, const OverlayRenderConfiguration& snapshot,
                                 double previousTime, double time, double ratio = 1);

    // How often the cached layers have been built, for tests of the cache.
    int staticLayerBuildCount() const { return m_static.buildCount(); }

private:
    // Whether the surface is transparent inside the region to paint, or holds
    // pixels of an earlier frame there.
    enum class Surface { cleared, kept };

    void paintRegion(QPainter& painter, QSizeF size, const OverlayRenderConfiguration& snapshot,
                     double time, const QRegion& region, Surface surface);
    // strip in device pixels, clip the same in points.
    void paintStrip(QPainter& painter, const QRectF& canvas, const QRect& strip, const QRectF& clip,
                    Surface surface);

    // Composes a small strip of a kept frame by hand where only flat fills
    // reach it; false where the painter is needed.
    bool paintFlat(const QRect& strip, const QRectF& clip, double ratio);

    StaticOverlayLayers m_static;
    MovingLayerPainter m_moving;
    QImage* m_frame = nullptr; // while painting into one, for direct copies
    std::vector<MovingLayerPainter::FlatFill> m_fills;
};
