#pragma once

#include "render/OverlayRenderConfiguration.h"
#include "render/drawing/DrawingColor.h"
#include "render/drawing/DrawingContext.h"

// Layer 7: 1-point black lines at every whole cell, both directions, one path.
DrawingColor pixelGridColor(const OverlayRenderConfiguration& snapshot);
DrawingPath pixelGridPath(double width, double height, double cellSize);
void drawPixelGrid(DrawingContext& context, double width, double height, double cellSize,
                   const OverlayRenderConfiguration& snapshot);
