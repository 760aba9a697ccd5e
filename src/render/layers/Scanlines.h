#pragma once

#include "render/OverlayRenderConfiguration.h"
#include "render/drawing/DrawingColor.h"
#include "render/drawing/DrawingContext.h"

// Layer 8: 1-point black lines every half cell (at least 3 points), each moved to
// the middle of a whole row of points.
double scanlineSpacing(double cellSize);
DrawingColor scanlineColor(const OverlayRenderConfiguration& snapshot);
DrawingPath scanlinePath(double width, double height, double cellSize);
void drawScanlines(DrawingContext& context, double width, double height, double cellSize,
                   const OverlayRenderConfiguration& snapshot);
