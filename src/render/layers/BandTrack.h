#pragma once

#include <optional>

// The vertical track both moving-band layers run on: a band of height b on a
// track of length H + b that wraps, leaving past the bottom edge and coming back
// from above the top.
namespace BandTrack {

// Speed setting to speed factor: 0 still moves at 0.15, 1 gives 2.
double speedFactor(double speed);

// The band's top edge for a raw position: in [-bandHeight, canvasHeight), or no
// value when raw or the track is not finite.
std::optional<double> topEdge(double raw, double canvasHeight, double bandHeight);

} // namespace BandTrack
