#include "support/RenderTestSupport.h"

#include "render/drawing/QPainterDrawingContext.h"
#include "render/layers/OverlayFrame.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace RenderTestSupport {

namespace {
// Every setting but the cell size at one value.
OverlayRenderConfiguration everyEffectAt(double value) {
    OverlayRenderConfiguration snapshot;
    for (int i = 0; i < settingCount; ++i)
        if (Setting(i) != Setting::gridSize)
            snapshot[Setting(i)] = value;
    return snapshot;
}
} // namespace

OverlayRenderConfiguration allZero() {
    return everyEffectAt(0);
}

OverlayRenderConfiguration everyEffectAtOne(FlickerMode mode) {
    OverlayRenderConfiguration snapshot = everyEffectAt(1);
    snapshot.flickerMode = mode;
    return snapshot;
}

OverlayRenderConfiguration allZeroBut(std::initializer_list<std::pair<Setting, double>> settings,
                                      FlickerMode mode) {
    OverlayRenderConfiguration snapshot = allZero();
    for (const auto& [setting, value] : settings)
        snapshot[setting] = value;
    snapshot.flickerMode = mode;
    return OverlayRenderConfiguration::from(snapshot);
}

RecordingDrawingContext recordFrame(QSizeF size, const OverlayRenderConfiguration& snapshot,
                                    double time) {
    RecordingDrawingContext context;
    drawOverlayFrame(context, size, snapshot, time);
    return context;
}

QImage transparentImage(QSizeF size, double devicePixelRatio) {
    const QSize pixels(static_cast<int>(std::ceil(size.width() * devicePixelRatio - 1e-9)),
                       static_cast<int>(std::ceil(size.height() * devicePixelRatio - 1e-9)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

QImage renderReference(QSizeF size, const OverlayRenderConfiguration& snapshot, double time,
                       double devicePixelRatio) {
    QImage image = transparentImage(size, devicePixelRatio);
    QPainter painter(&image);
    QPainterDrawingContext context(painter);
    drawOverlayFrame(context, size, snapshot, time);
    return image;
}

int maximumChannelDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.format() != b.format())
        return 256;
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            for (const int shift : {0, 8, 16, 24})
                worst = std::max(
                    worst, std::abs(int(rowA[x] >> shift & 0xff) - int(rowB[x] >> shift & 0xff)));
    }
    return worst;
}

} // namespace RenderTestSupport
