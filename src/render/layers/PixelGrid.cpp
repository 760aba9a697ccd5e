#include "render/layers/PixelGrid.h"

#include "render/layers/LayerLimits.h"

DrawingColor pixelGridColor(const OverlayRenderConfiguration& snapshot) {
    return DrawingColor::black().withOpacity(snapshot.gridOpacity);
}

DrawingPath pixelGridPath(double width, double height, double cellSize) {
    DrawingPath path;
    if (!LayerLimits::runningSumFits(0, cellSize, width) ||
        !LayerLimits::runningSumFits(0, cellSize, height))
        return path;
    // Lines sit half a point in, so a 1-point line covers exactly one column of
    // points; the last one may lie half a point beyond the edge.
    if (width >= 0) {
        double x = 0;
        do {
            path.addLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, height));
            x += cellSize;
        } while (x <= width);
    }
    if (height >= 0) {
        double y = 0;
        do {
            path.addLine(QPointF(0, y + 0.5), QPointF(width, y + 0.5));
            y += cellSize;
        } while (y <= height);
    }
    return path;
}

void drawPixelGrid(DrawingContext& context, double width, double height, double cellSize,
                   const OverlayRenderConfiguration& snapshot) {
    if (!LayerLimits::isFinite(width, height))
        return;
    context.stroke(pixelGridPath(width, height, cellSize), Shading::color(pixelGridColor(snapshot)),
                   1);
}
