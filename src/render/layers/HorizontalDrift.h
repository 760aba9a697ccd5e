#pragma once

#include "render/OverlayRenderConfiguration.h"
#include "render/drawing/DrawingContext.h"

#include <QRectF>
#include <array>

// Layer 3: five faint full-width bands that wander down the canvas and sway
// sideways together.
struct HorizontalDriftBand {
    QRectF rect;
    double opacity = 0;        // of the white fill
    double outlineOpacity = 0; // of the black outline
};

inline constexpr int horizontalDriftBandCount = 5;
using HorizontalDriftBands = std::array<HorizontalDriftBand, horizontalDriftBandCount>;

double horizontalDriftBandHeight(double height);

// The five bands at time t, or false when the inputs give no drawable band
// (non-finite time or size).
bool horizontalDriftBands(double width, double height, const OverlayRenderConfiguration& snapshot,
                          double time, HorizontalDriftBands& bands);

void drawHorizontalDrift(DrawingContext& context, double width, double height,
                         const OverlayRenderConfiguration& snapshot, double time);
