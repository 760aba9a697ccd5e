#include "render/layers/Scanlines.h"

#include "render/layers/LayerLimits.h"

#include <algorithm>
#include <cmath>

double scanlineSpacing(double cellSize) {
    return std::max(cellSize / 2, 3.0);
}

DrawingColor scanlineColor(const OverlayRenderConfiguration& snapshot) {
    return DrawingColor::black().withOpacity(snapshot.scanlineOpacity);
}

DrawingPath scanlinePath(double width, double height, double cellSize) {
    DrawingPath path;
    const double spacing = scanlineSpacing(cellSize);
    if (!std::isfinite(width) || !LayerLimits::runningSumFits(spacing, spacing, height))
        return path;
    for (double y = spacing; y <= height; y += spacing) {
        const double row = std::round(y) + 0.5; // std::round takes halves away from zero
        path.addLine(QPointF(0, row), QPointF(width, row));
    }
    return path;
}

void drawScanlines(DrawingContext& context, double width, double height, double cellSize,
                   const OverlayRenderConfiguration& snapshot) {
    if (!LayerLimits::isFinite(width, height))
        return;
    context.stroke(scanlinePath(width, height, cellSize), Shading::color(scanlineColor(snapshot)),
                   1);
}
