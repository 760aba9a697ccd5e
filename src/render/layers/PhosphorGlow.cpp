#include "render/layers/PhosphorGlow.h"

#include "render/layers/LayerLimits.h"

#include <algorithm>

double phosphorGlowSpacing(double cellSize) {
    return std::max(4 * cellSize, 12.0);
}
double phosphorGlowLineWidth(double cellSize) {
    return std::max(1.5 * cellSize, 4.0);
}
double phosphorGlowBlurRadius(double cellSize) {
    return std::max(cellSize, 3.0);
}

DrawingColor phosphorGlowColor(const OverlayRenderConfiguration& snapshot) {
    // The glow takes the tint's hue even when the tint itself is off.
    return DrawingColor::fromHsb(snapshot.tintHue, 0.45, 1.0, 1.0)
        .withOpacity(snapshot.phosphorGlow * 0.18);
}

DrawingPath phosphorGlowPath(double width, double height, double cellSize) {
    DrawingPath path;
    const double spacing = phosphorGlowSpacing(cellSize);
    if (!std::isfinite(width) || !LayerLimits::runningSumFits(spacing / 2, spacing, height))
        return path;
    for (double y = spacing / 2; y <= height; y += spacing)
        path.addLine(QPointF(0, y), QPointF(width, y));
    return path;
}

void drawPhosphorGlow(DrawingContext& context, double width, double height, double cellSize,
                      const OverlayRenderConfiguration& snapshot) {
    if (!LayerLimits::isFinite(width, height))
        return;
    context.strokeBlurred(phosphorGlowPath(width, height, cellSize),
                          Shading::color(phosphorGlowColor(snapshot)),
                          phosphorGlowLineWidth(cellSize), phosphorGlowBlurRadius(cellSize));
}
