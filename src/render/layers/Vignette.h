#pragma once

#include "render/drawing/DrawingContext.h"

// Layer 9: a radial darkening towards the edges, up to (never reaching) 8 % black.
// No setting controls it.
Shading vignetteShading(double width, double height);
void drawVignette(DrawingContext& context, double width, double height);
