#pragma once

#include "OverlayRenderConfiguration.h"

#include <QPainter>
#include <QRegion>

// Paints overlay frames for the overlay view.
class OverlayFrameRenderer {
public:
    // Paints the frame's pixels inside region (points) onto a cleared surface.
    void paint(QPainter& painter, QSizeF size, const OverlayRenderConfiguration& snapshot,
               double time, const QRegion& region);

    // Whether the frame depends on time at all.
    static bool isAnimated(const OverlayRenderConfiguration& snapshot);
    // The area that may differ between the frames at previousTime and time.
    static QRegion changedRegion(QSizeF size, const OverlayRenderConfiguration& snapshot,
                                 double previousTime, double time);
};
