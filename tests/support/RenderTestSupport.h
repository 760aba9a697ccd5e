#pragma once

#include "render/OverlayRenderConfiguration.h"
#include "support/RecordingDrawingContext.h"

#include <QImage>
#include <QSize>
#include <initializer_list>
#include <utility>

// Shared helpers of the render tests.
namespace RenderTestSupport {

// Every effect setting at 0 (the grid and vignette are still drawn).
OverlayRenderConfiguration allZero();
// The eleven strengths, opacities and speeds at 1, the cell size at its default.
OverlayRenderConfiguration everyEffectAtOne(FlickerMode mode = FlickerMode::soft);
// allZero() with the given settings, brought into range as a frame takes them.
OverlayRenderConfiguration allZeroBut(std::initializer_list<std::pair<Setting, double>> settings,
                                      FlickerMode mode = FlickerMode::soft);

RecordingDrawingContext recordFrame(QSizeF size, const OverlayRenderConfiguration& snapshot,
                                    double time);

// A cleared ARGB32_Premultiplied image of ceil(size × ratio) device pixels.
QImage transparentImage(QSizeF size, double devicePixelRatio = 1);

// The reference renderer into a transparentImage.
QImage renderReference(QSizeF size, const OverlayRenderConfiguration& snapshot, double time,
                       double devicePixelRatio = 1);

// Largest difference of any channel (256 for images of different sizes).
int maximumChannelDifference(const QImage& a, const QImage& b);

} // namespace RenderTestSupport
