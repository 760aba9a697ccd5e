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
// Beyond this many soft-edged cells and dots, repainting everything costs less.
constexpr std::uint64_t maximumNoiseRects = 400;
// Cells of whole pixels are composed by hand, at the cost of a few cache
// misses each: worth it up to about one per this many pixels of the canvas.
constexpr double pixelsPerFlatCell = 1500;

// Beyond this a canvas is no screen, and its coordinates may not fit a QRect.
constexpr double maximumRegionSide = 1e8;
constexpr double maximumCellRows = 32768;

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

// The union of rectangles grown to whole grid cells of a whole number of
// points, built band by band. Scattered cells then merge into few rectangles
// per row of cells, where a general union would cut each other's rows into
// many pieces (each painted and sent on its own) and cost far more to build.
QRegion unitedOnCells(const QVector<QRect>& rects, int cell) {
    struct Span {
        int row, from, to; // cells; columns [from, to)
        bool operator<(const Span& other) const {
            return row != other.row ? row < other.row : from < other.from;
        }
    };
    const auto down = [cell](int v) { return v >= 0 ? v / cell : -((-v + cell - 1) / cell); };
    std::vector<Span> spans;
    spans.reserve(static_cast<std::size_t>(rects.size()) * 2);
    for (const QRect& rect : rects) {
        const int from = down(rect.left()), to = down(rect.right()) + 1;
        for (int row = down(rect.top()); row <= down(rect.bottom()); ++row)
            spans.push_back({row, from, to});
    }
    std::sort(spans.begin(), spans.end());

    std::vector<QRect> result;
    std::vector<std::pair<int, int>> band, runs; // merged runs of the current band and row
    int bandTop = 0, bandRows = 0;
    const auto flush = [&] {
        for (const auto& [from, to] : band)
            result.emplace_back(from * cell, bandTop * cell, (to - from) * cell, bandRows * cell);
    };
    for (std::size_t i = 0; i < spans.size();) {
        const int row = spans[i].row;
        runs.clear();
        for (; i < spans.size() && spans[i].row == row; ++i) {
            if (!runs.empty() && spans[i].from <= runs.back().second)
                runs.back().second = std::max(runs.back().second, spans[i].to);
            else
                runs.emplace_back(spans[i].from, spans[i].to);
        }
        if (bandRows > 0 && row == bandTop + bandRows && runs == band) {
            ++bandRows;
            continue;
        }
        flush();
        band.swap(runs);
        bandTop = row;
        bandRows = 1;
    }
    flush();
    QRegion region;
    region.setRects(result.data(), static_cast<int>(result.size()));
    return region;
}
} // namespace

QRegion OverlayFrameRenderer::changedRegion(QSizeF size, const OverlayRenderConfiguration& snapshot,
                                            double previousTime, double time, double ratio) {
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
    std::uint64_t soft = 0, flatCells = 0;
    // A flash on a cell of whole device pixels has no soft edge to allow for.
    const double cellPixels = snapshot.cellSize * ratio;
    const bool wholeCells = cellPixels >= 1 && cellPixels == std::floor(cellPixels) &&
                            snapshot.cellSize == std::floor(snapshot.cellSize);
    const double flatBudget = width * height * ratio * ratio / pixelsPerFlatCell;
    const auto addNoise = [&](const auto& before, const auto& after, auto forEach, bool flat) {
        if (!before != !after) {
            unsure = true;
        } else if (before && before->tick != after->tick) {
            std::uint64_t& count = flat ? flatCells : soft;
            count += before->count + after->count;
            if (count >
                (flat ? std::max<double>(flatBudget, maximumNoiseRects) : maximumNoiseRects)) {
                unsure = true;
                return;
            }
            for (const auto* pattern : {&*before, &*after})
                forEach(*pattern, [&](const QRectF& rect, bool, double) {
                    noise.append(flat ? rect.toAlignedRect() : around(rect));
                });
        }
    };
    if (snapshot.flickerIntensity > 0) {
        const double cell = snapshot.cellSize;
        addNoise(
            pixelFlickerPattern(width, height, cell, snapshot, previousTime),
            pixelFlickerPattern(width, height, cell, snapshot, time),
            [](const PixelFlickerPattern& p, auto visit) { p.forEachFlash(visit); }, wholeCells);
    }
    if (snapshot.dustNoise > 0)
        addNoise(
            dustNoisePattern(width, height, snapshot, previousTime),
            dustNoisePattern(width, height, snapshot, time),
            [](const DustNoisePattern& p, auto visit) { p.forEachDot(visit); }, false);
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
    const double cell = snapshot.cellSize;
    // Row by row only while the rows are few: no screen has more than this
    // many pixels down, and a band on a far taller canvas would take millions.
    if (cell >= 1 && cell == std::floor(cell) && canvas.height() / cell <= maximumCellRows)
        return unitedOnCells(bands, static_cast<int>(cell)).intersected(canvas);
    return united(bands).intersected(canvas);
}
