#include "render/layers/OverlayTint.h"

#include "render/layers/LayerLimits.h"

DrawingColor overlayTintColor(const OverlayRenderConfiguration& snapshot) {
    return DrawingColor::fromHsb(snapshot.tintHue, 0.65, 1.0, 1.0)
        .withOpacity(snapshot.tintOpacity);
}

void drawTint(DrawingContext& context, double width, double height,
              const OverlayRenderConfiguration& snapshot) {
    if (!LayerLimits::isFinite(width, height))
        return;
    context.fill(DrawingPath::rectangle(QRectF(0, 0, width, height)),
                 Shading::color(overlayTintColor(snapshot)));
}
