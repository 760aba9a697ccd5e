#include "render/layers/BandTrack.h"

#include <cmath>

namespace BandTrack {

double speedFactor(double speed) {
    return speed * 1.85 + 0.15;
}

std::optional<double> topEdge(double raw, double canvasHeight, double bandHeight) {
    const double track = canvasHeight + bandHeight;
    if (!std::isfinite(raw) || !std::isfinite(track) || !(track > 0))
        return std::nullopt;
    double m = std::fmod(raw, track); // takes the sign of raw
    if (!(m >= 0))
        m += track;
    if (m >= track) // a tiny negative remainder can round up to the full track
        m -= track;
    return m - bandHeight;
}

} // namespace BandTrack
