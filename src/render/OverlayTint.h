#pragma once

#include "DrawingColor.h"
#include "DrawingContext.h"
#include "OverlayRenderConfiguration.h"

// Layer 1: one full-canvas fill in the tint hue.
DrawingColor overlayTintColor(const OverlayRenderConfiguration& snapshot);
void drawTint(DrawingContext& context, double width, double height,
              const OverlayRenderConfiguration& snapshot);
