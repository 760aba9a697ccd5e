#pragma once

#include "render/fast/MovingLayerPainter.h"

#include <QImage>
#include <vector>

// A few device pixels of a frame composed by hand: the lower still layer,
// solid fills over whole pixels, the upper still layer. For the many small
// rectangles flicker and dust change, where a painter's set-up per rectangle
// costs more than the pixels; the arithmetic is the painter's own, so the
// pixels are the same.
namespace FlatComposite {

// Replaces rect (device pixels, inside frame) of frame. below may be null
// (transparent); above has frame's size.
void paint(QImage& frame, const QRect& rect, const QImage* below,
           const std::vector<MovingLayerPainter::FlatFill>& fills, const QImage& above);

} // namespace FlatComposite
