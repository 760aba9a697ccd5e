#include "render/layers/OverlayFrame.h"

#include "render/layers/DustNoise.h"
#include "render/layers/HorizontalDrift.h"
#include "render/layers/OverlayTint.h"
#include "render/layers/PhosphorGlow.h"
#include "render/layers/PixelFlicker.h"
#include "render/layers/PixelGrid.h"
#include "render/layers/RollingBand.h"
#include "render/layers/Scanlines.h"
#include "render/layers/Vignette.h"

void drawOverlayFrame(DrawingContext& context, QSizeF size,
                      const OverlayRenderConfiguration& snapshot, double time) {
    const double width = size.width();
    const double height = size.height();
    const double cell = snapshot.cellSize;

    if (snapshot.tintOpacity > 0)
        drawTint(context, width, height, snapshot);
    if (snapshot.phosphorGlow > 0)
        drawPhosphorGlow(context, width, height, cell, snapshot);
    if (snapshot.horizontalDrift > 0)
        drawHorizontalDrift(context, width, height, snapshot, time);
    if (snapshot.flickerIntensity > 0)
        drawPixelFlicker(context, width, height, cell, snapshot, time);
    if (snapshot.dustNoise > 0)
        drawDustNoise(context, width, height, snapshot, time);
    if (snapshot.rollingBand > 0)
        drawRollingBand(context, width, height, snapshot, time);
    drawPixelGrid(context, width, height, cell, snapshot);
    if (snapshot.scanlineOpacity > 0)
        drawScanlines(context, width, height, cell, snapshot);
    drawVignette(context, width, height);
}
