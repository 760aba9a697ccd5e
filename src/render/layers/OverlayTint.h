#pragma once

#include "render/OverlayRenderConfiguration.h"
#include "render/drawing/DrawingColor.h"
#include "render/drawing/DrawingContext.h"

// Layer 1: one full-canvas fill in the tint hue.
DrawingColor overlayTintColor(const OverlayRenderConfiguration& snapshot);
void drawTint(DrawingContext& context, double width, double height,
              const OverlayRenderConfiguration& snapshot);
