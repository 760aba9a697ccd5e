#pragma once

#include "OverlayRenderConfiguration.h"

#include <QBrush>
#include <QSizeF>

class QPainter;

// Draws the four time-driven layers (drift, flicker, dust, rolling band) straight
// onto a painter with the same painter calls the layer-by-layer renderer ends in,
// so the pixels match. Keeps its brushes between frames so that a warm frame
// allocates nothing of its own.
class MovingLayerPainter {
public:
    void paint(QPainter& painter, QSizeF size, const OverlayRenderConfiguration& snapshot,
               double time);

private:
    void paintHorizontalDrift(QPainter& painter, QSizeF size,
                              const OverlayRenderConfiguration& snapshot, double time);
    void paintPixelFlicker(QPainter& painter, QSizeF size,
                           const OverlayRenderConfiguration& snapshot, double time);
    void paintDustNoise(QPainter& painter, QSizeF size, const OverlayRenderConfiguration& snapshot,
                        double time);
    void paintRollingBand(QPainter& painter, QSizeF size,
                          const OverlayRenderConfiguration& snapshot, double time);

    // A solid brush of the given colour without allocating: the painter still
    // holds the brush it drew with last, so recolouring that one would copy it;
    // two brushes taken in turn are each unshared when recoloured.
    const QBrush& solidBrush(const QColor& color);

    QBrush m_solid[2] = {QBrush(Qt::black), QBrush(Qt::black)};
    int m_nextSolid = 0;
    QBrush m_band;
    double m_bandHeight = -1;
    double m_bandStrength = -1;
};
