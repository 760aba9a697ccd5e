#include "render/layers/HorizontalDrift.h"

#include "render/layers/BandTrack.h"

#include <algorithm>
#include <cmath>

double horizontalDriftBandHeight(double height) {
    return std::max(0.035 * height, 18.0);
}

bool horizontalDriftBands(double width, double height, const OverlayRenderConfiguration& snapshot,
                          double time, HorizontalDriftBands& bands) {
    if (!std::isfinite(width) || !std::isfinite(time))
        return false;
    const double strength = snapshot.horizontalDrift;
    const double phase = time * BandTrack::speedFactor(snapshot.horizontalDriftSpeed);
    const double bandHeight = horizontalDriftBandHeight(height);
    const double sway = strength * 22;
    for (int index = 0; index < horizontalDriftBandCount; ++index) {
        const double i = index;
        const double wobble = std::sin(i * 1.91 + phase * (i * 0.07 + 0.42));
        const double raw = (height * i) * 0.21 + (phase * 38 + (height * wobble) * 0.5);
        const std::optional<double> top = BandTrack::topEdge(raw, height, bandHeight);
        const double x = sway * std::sin(phase * 4.3 + i * 2.2);
        if (!top || !std::isfinite(x))
            return false;
        const double opacity = strength * (0.018 + 0.01 * (index % 2));
        bands[index] = {QRectF(x, *top, width, bandHeight), opacity, opacity * 1.4};
    }
    return true;
}

void drawHorizontalDrift(DrawingContext& context, double width, double height,
                         const OverlayRenderConfiguration& snapshot, double time) {
    HorizontalDriftBands bands;
    if (!horizontalDriftBands(width, height, snapshot, time, bands))
        return;
    for (const HorizontalDriftBand& band : bands) {
        const DrawingPath path = DrawingPath::rectangle(band.rect);
        context.fill(path, Shading::color(DrawingColor::white().withOpacity(band.opacity)));
        context.stroke(path, Shading::color(DrawingColor::black().withOpacity(band.outlineOpacity)),
                       1);
    }
}
