#pragma once

#include "render/OverlayRenderConfiguration.h"
#include "render/drawing/DrawingColor.h"
#include "render/drawing/DrawingContext.h"

// Layer 2: soft horizontal lines in the tint hue, blurred; only they are blurred.
double phosphorGlowSpacing(double cellSize);
double phosphorGlowLineWidth(double cellSize);
double phosphorGlowBlurRadius(double cellSize);
DrawingColor phosphorGlowColor(const OverlayRenderConfiguration& snapshot);
// Full-width lines from y = spacing / 2 down to the canvas height; empty when
// none fits or the canvas is too large to draw.
DrawingPath phosphorGlowPath(double width, double height, double cellSize);

void drawPhosphorGlow(DrawingContext& context, double width, double height, double cellSize,
                      const OverlayRenderConfiguration& snapshot);
