#include "RenderTestSupport.h"

#include "render/drawing/QPainterDrawingContext.h"
#include "render/layers/OverlayFrame.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace RenderTestSupport {

OverlayRenderConfiguration allZero() {
    OverlayRenderConfiguration snapshot;
    snapshot.gridOpacity = 0;
    snapshot.scanlineOpacity = 0;
    snapshot.tintHue = 0;
    snapshot.tintOpacity = 0;
    snapshot.flickerIntensity = 0;
    snapshot.phosphorGlow = 0;
    snapshot.horizontalDrift = 0;
    snapshot.horizontalDriftSpeed = 0;
    snapshot.rollingBand = 0;
    snapshot.rollingBandSpeed = 0;
    snapshot.dustNoise = 0;
    return snapshot;
}

OverlayRenderConfiguration everyEffectAtOne(FlickerMode mode) {
    OverlayRenderConfiguration snapshot;
    snapshot.gridOpacity = 1;
    snapshot.scanlineOpacity = 1;
    snapshot.tintHue = 1;
    snapshot.tintOpacity = 1;
    snapshot.flickerIntensity = 1;
    snapshot.flickerMode = mode;
    snapshot.phosphorGlow = 1;
    snapshot.horizontalDrift = 1;
    snapshot.horizontalDriftSpeed = 1;
    snapshot.rollingBand = 1;
    snapshot.rollingBandSpeed = 1;
    snapshot.dustNoise = 1;
    return snapshot;
}

RecordingDrawingContext recordFrame(QSizeF size, const OverlayRenderConfiguration& snapshot,
                                    double time) {
    RecordingDrawingContext context;
    drawOverlayFrame(context, size, snapshot, time);
    return context;
}

QImage transparentImage(QSize pixels, double devicePixelRatio) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

QImage renderReference(QSizeF size, const OverlayRenderConfiguration& snapshot, double time,
                       double devicePixelRatio) {
    const QSize pixels(static_cast<int>(std::ceil(size.width() * devicePixelRatio - 1e-9)),
                       static_cast<int>(std::ceil(size.height() * devicePixelRatio - 1e-9)));
    QImage image = transparentImage(pixels, devicePixelRatio);
    QPainter painter(&image);
    QPainterDrawingContext context(painter);
    drawOverlayFrame(context, size, snapshot, time);
    return image;
}

int maximumChannelDifference(const QImage& a, const QImage& b, QPoint* worstAt) {
    if (a.size() != b.size() || a.format() != b.format())
        return 256;
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int difference = std::max({std::abs(qRed(rowA[x]) - qRed(rowB[x])),
                                             std::abs(qGreen(rowA[x]) - qGreen(rowB[x])),
                                             std::abs(qBlue(rowA[x]) - qBlue(rowB[x])),
                                             std::abs(qAlpha(rowA[x]) - qAlpha(rowB[x]))});
            if (difference > worst && worstAt)
                *worstAt = QPoint(x, y);
            worst = std::max(worst, difference);
        }
    }
    return worst;
}

} // namespace RenderTestSupport
