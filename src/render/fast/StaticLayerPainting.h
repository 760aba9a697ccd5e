#pragma once

#include "render/OverlayRenderConfiguration.h"

#include <QImage>
#include <QSizeF>

// Paints the time-free layers of a frame into a cleared ARGB32_Premultiplied
// image whose device pixel ratio is set, giving the same pixels as the layer-by-
// layer renderer but cheaply enough to redo whenever a setting changes.
namespace StaticLayerPainting {

// Tint and phosphor glow, the layers below the moving ones.
void paintBelow(QImage& image, QSizeF size, const OverlayRenderConfiguration& snapshot);

// Pixel grid, scanlines and vignette, the layers above the moving ones.
void paintAbove(QImage& image, QSizeF size, const OverlayRenderConfiguration& snapshot);

} // namespace StaticLayerPainting
