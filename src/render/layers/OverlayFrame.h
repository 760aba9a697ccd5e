#pragma once

#include "render/OverlayRenderConfiguration.h"
#include "render/drawing/DrawingContext.h"

#include <QSizeF>

// Draws one overlay frame into a transparent context: the nine layers bottom to
// top, each compositing over the ones below. A pure function of size (points),
// snapshot and time (seconds since the reference date): the same inputs always
// give the same picture. A layer whose strength is not above 0 is skipped
// outright; the grid and the vignette are always drawn.
void drawOverlayFrame(DrawingContext& context, QSizeF size,
                      const OverlayRenderConfiguration& snapshot, double time);
