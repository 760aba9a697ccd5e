#pragma once

#include "render/OverlayRenderConfiguration.h"
#include "render/drawing/DrawingContext.h"

#include <QRectF>
#include <optional>
#include <vector>

// Layer 6: one tall soft band, light above and dark below, rolling down the
// canvas and starting again at the top.
double rollingBandHeight(double height);

// The band's rectangle at time t, or no value for non-finite time or size.
std::optional<QRectF> rollingBandRect(double width, double height,
                                      const OverlayRenderConfiguration& snapshot, double time);

// The band's four gradient stops, from its top edge (0) to its bottom edge (1).
std::vector<GradientStop> rollingBandStops(double strength);

void drawRollingBand(DrawingContext& context, double width, double height,
                     const OverlayRenderConfiguration& snapshot, double time);
