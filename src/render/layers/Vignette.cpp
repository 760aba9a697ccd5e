#include "render/layers/Vignette.h"

#include "render/layers/LayerLimits.h"

#include <algorithm>

Shading vignetteShading(double width, double height) {
    return Shading::radialGradient(
        {{DrawingColor::clear(), 0.62}, {DrawingColor::black().withOpacity(0.08), 1.0}},
        QPointF(width / 2, height / 2), 0, 0.72 * std::max(width, height));
}

void drawVignette(DrawingContext& context, double width, double height) {
    if (!LayerLimits::isFinite(width, height))
        return;
    context.fill(DrawingPath::rectangle(QRectF(0, 0, width, height)),
                 vignetteShading(width, height));
}
