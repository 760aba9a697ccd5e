#pragma once

#include "render/OverlayRenderConfiguration.h"
#include "support/RecordingDrawingContext.h"

#include <QImage>
#include <QSize>

// Shared helpers of the render tests.
namespace RenderTestSupport {

// Every effect setting at 0 (the grid and vignette are still drawn).
OverlayRenderConfiguration allZero();
// The eleven strengths, opacities and speeds at 1, the cell size at its default.
OverlayRenderConfiguration everyEffectAtOne(FlickerMode mode = FlickerMode::soft);

RecordingDrawingContext recordFrame(QSizeF size, const OverlayRenderConfiguration& snapshot,
                                    double time);

// The reference renderer into a cleared ARGB32_Premultiplied image of
// ceil(size × ratio) device pixels.
QImage renderReference(QSizeF size, const OverlayRenderConfiguration& snapshot, double time,
                       double devicePixelRatio = 1);

QImage transparentImage(QSize pixels, double devicePixelRatio);

// Largest difference of any channel (256 for images of different sizes), and
// where it is.
int maximumChannelDifference(const QImage& a, const QImage& b, QPoint* worstAt = nullptr);

} // namespace RenderTestSupport
