// OverlayFrameRenderer::changedRegion: what may differ between two frames.

#include "render/fast/OverlayFrameRenderer.h"
#include "render/layers/DustNoise.h"
#include "render/layers/HorizontalDrift.h"
#include "render/layers/OverlayFrame.h"
#include "render/layers/PixelFlicker.h"
#include "render/layers/RollingBand.h"

#include <QVector>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// Beyond this many cells and dots a region costs more than it saves.
constexpr std::uint64_t maximumNoiseRects = 400;

// Beyond this a canvas is no screen, and its coordinates may not fit a QRect.
constexpr double maximumRegionSide = 1e8;

// The full-width rows of points a band touches, with a point to spare for its
// outline and antialiased edges.
QRect bandRows(const QRectF& band, const QRect& canvas) {
    const auto clamped = [&](double y) {
        return static_cast<int>(std::clamp(y, -2.0, canvas.height() + 2.0));
    };
    const int top = clamped(std::floor(band.top() - 1.5));
    const int bottom = clamped(std::ceil(band.bottom() + 1.5));
    return QRect(0, top, canvas.width(), bottom - top);
}

QRect around(const QRectF& rect) {
    return rect.toAlignedRect().adjusted(-1, -1, 1, 1);
}

// rect without the part inside hole, as up to four rectangles.
void appendWithout(QVector<QRect>& rects, const QRect& rect, const QRect& hole) {
    const QRect inside = rect.intersected(hole);
    if (inside.isEmpty()) {
        rects.append(rect);
        return;
    }
    const QRect pieces[] = {
        QRect(QPoint(rect.left(), rect.top()), QPoint(rect.right(), inside.top() - 1)),
        QRect(QPoint(rect.left(), inside.bottom() + 1), rect.bottomRight()),
        QRect(QPoint(rect.left(), inside.top()), QPoint(inside.left() - 1, inside.bottom())),
        QRect(QPoint(inside.right() + 1, inside.top()), QPoint(rect.right(), inside.bottom()))};
    for (const QRect& piece : pieces)
        if (!piece.isEmpty())
            rects.append(piece);
}

// The whole points a band fills evenly, away from its outline and edges.
QRect inner(const QRectF& band) {
    const QRectF r = band.adjusted(1.5, 1.5, -1.5, -1.5);
    if (!(r.width() > 0 && r.height() > 0))
        return {};
    return QRect(
        QPoint(static_cast<int>(std::ceil(r.left())), static_cast<int>(std::ceil(r.top()))),
        QPoint(static_cast<int>(std::floor(r.right())) - 1,
               static_cast<int>(std::floor(r.bottom())) - 1));
}

// Bands of both frames; false when they moved by less than a whole point. A
// band of one colour throughout (solid) keeps the pixels it covers in both
// frames, so only its edges are repainted.
bool addBands(QVector<QRect>& rects, const QRectF* before, const QRectF* after, std::size_t count,
              const QRect& canvas, bool solid) {
    bool moved = false;
    for (std::size_t i = 0; i < count; ++i)
        moved = moved || std::fabs(before[i].top() - after[i].top()) >= 1 ||
                std::fabs(before[i].left() - after[i].left()) >= 1;
    for (std::size_t i = 0; i < count; ++i) {
        if (before[i] == after[i])
            continue;
        const QRect kept = solid ? inner(before[i]).intersected(inner(after[i])) : QRect();
        appendWithout(rects, bandRows(before[i], canvas), kept);
        appendWithout(rects, bandRows(after[i], canvas), kept);
    }
    return moved;
}

// The union of many rectangles, merged pairwise: adding them one by one costs
// the square of their number.
QRegion united(const QVector<QRect>& rects) {
    std::vector<QRegion> parts(rects.begin(), rects.end());
    while (parts.size() > 1) {
        for (std::size_t i = 0; i < parts.size() / 2; ++i)
            parts[i] = parts[2 * i].united(parts[2 * i + 1]);
        if (parts.size() % 2 == 1)
            parts[parts.size() / 2] = parts.back();
        parts.resize((parts.size() + 1) / 2);
    }
    return parts.empty() ? QRegion() : parts.front();
}
} // namespace

QRegion OverlayFrameRenderer::changedRegion(QSizeF size, const OverlayRenderConfiguration& snapshot,
                                            double previousTime, double time) {
    const double width = size.width();
    const double height = size.height();
    if (!isAnimated(snapshot) || !std::isfinite(width) || !std::isfinite(height) || !(width > 0) ||
        !(height > 0))
        return {};
    const QRect canvas(0, 0, static_cast<int>(std::ceil(std::min(width, maximumRegionSide))),
                       static_cast<int>(std::ceil(std::min(height, maximumRegionSide))));
    if (!std::isfinite(previousTime) || !std::isfinite(time) || width > maximumRegionSide ||
        height > maximumRegionSide)
        return canvas;
    if (previousTime == time)
        return {};

    QVector<QRect> noise;
    bool unsure = false;
    const auto addNoise = [&](const auto& before, const auto& after, auto forEach) {
        if (!before != !after) {
            unsure = true;
        } else if (before && before->tick != after->tick) {
            if (static_cast<std::uint64_t>(noise.size()) + before->count + after->count >
                maximumNoiseRects)
                unsure = true;
            else
                for (const auto* pattern : {&*before, &*after})
                    forEach(*pattern,
                            [&](const QRectF& rect, bool, double) { noise.append(around(rect)); });
        }
    };
    if (snapshot.flickerIntensity > 0) {
        const double cell = snapshot.cellSize;
        addNoise(pixelFlickerPattern(width, height, cell, snapshot, previousTime),
                 pixelFlickerPattern(width, height, cell, snapshot, time),
                 [](const PixelFlickerPattern& p, auto visit) { p.forEachFlash(visit); });
    }
    if (snapshot.dustNoise > 0)
        addNoise(dustNoisePattern(width, height, snapshot, previousTime),
                 dustNoisePattern(width, height, snapshot, time),
                 [](const DustNoisePattern& p, auto visit) { p.forEachDot(visit); });
    if (unsure)
        return canvas;

    QVector<QRect> bands;
    bool bandsMoved = false;
    if (snapshot.horizontalDrift > 0) {
        HorizontalDriftBands before, after;
        const bool hadBefore = horizontalDriftBands(width, height, snapshot, previousTime, before);
        if (hadBefore != horizontalDriftBands(width, height, snapshot, time, after))
            return canvas;
        if (hadBefore) {
            QRectF from[horizontalDriftBandCount], to[horizontalDriftBandCount];
            for (int i = 0; i < horizontalDriftBandCount; ++i) {
                from[i] = before[i].rect;
                to[i] = after[i].rect;
            }
            bandsMoved =
                addBands(bands, from, to, horizontalDriftBandCount, canvas, true) || bandsMoved;
        }
    }
    if (snapshot.rollingBand > 0) {
        const std::optional<QRectF> before = rollingBandRect(width, height, snapshot, previousTime);
        const std::optional<QRectF> after = rollingBandRect(width, height, snapshot, time);
        if (!before != !after)
            return canvas;
        if (before)
            bandsMoved = addBands(bands, &*before, &*after, 1, canvas, false) || bandsMoved;
    }
    if (noise.isEmpty() && !bandsMoved)
        return {};

    bands += noise;
    return united(bands).intersected(canvas);
}
