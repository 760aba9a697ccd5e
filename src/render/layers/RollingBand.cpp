#include "render/layers/RollingBand.h"

#include "render/layers/BandTrack.h"

#include <algorithm>
#include <cmath>

double rollingBandHeight(double height) {
    return std::max(0.16 * height, 80.0);
}

std::optional<QRectF> rollingBandRect(double width, double height,
                                      const OverlayRenderConfiguration& snapshot, double time) {
    if (!std::isfinite(width))
        return std::nullopt;
    const double bandHeight = rollingBandHeight(height);
    const double raw = (time * BandTrack::speedFactor(snapshot.rollingBandSpeed)) * 76;
    const std::optional<double> top = BandTrack::topEdge(raw, height, bandHeight);
    if (!top)
        return std::nullopt;
    return QRectF(0, *top, width, bandHeight);
}

std::vector<GradientStop> rollingBandStops(double strength) {
    return {{DrawingColor::clear(), 0},
            {DrawingColor::white().withOpacity(strength * 0.1), 0.42},
            {DrawingColor::black().withOpacity(strength * 0.12), 0.58},
            {DrawingColor::clear(), 1.0}};
}

void drawRollingBand(DrawingContext& context, double width, double height,
                     const OverlayRenderConfiguration& snapshot, double time) {
    const std::optional<QRectF> rect = rollingBandRect(width, height, snapshot, time);
    if (!rect)
        return;
    context.fill(DrawingPath::rectangle(*rect),
                 Shading::linearGradient(rollingBandStops(snapshot.rollingBand),
                                         QPointF(0, rect->top()), QPointF(0, rect->bottom())));
}
