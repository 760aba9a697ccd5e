#include "render/fast/MovingLayerPainter.h"

#include "render/drawing/QPainterDrawingContext.h"
#include "render/layers/DustNoise.h"
#include "render/layers/HorizontalDrift.h"
#include "render/layers/OverlayFrame.h"
#include "render/layers/PixelFlicker.h"
#include "render/layers/RollingBand.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
QColor colorAt(const DrawingColor& color, double opacity) {
    return QPainterDrawingContext::toColor(color.withOpacity(opacity));
}

QColor whiteOrBlack(bool white, double opacity) {
    return colorAt(white ? DrawingColor::white() : DrawingColor::black(), opacity);
}

// A shape's antialiased edge reaches into the pixel next to it.
bool near(const QRectF& shape, const QRectF& clip) {
    return shape.left() - 1 < clip.right() && shape.right() + 1 > clip.left() &&
           shape.top() - 1 < clip.bottom() && shape.bottom() + 1 > clip.top();
}
} // namespace

const QBrush& MovingLayerPainter::solidBrush(const QColor& color) {
    QBrush& brush = m_solid[m_nextSolid];
    m_nextSolid = 1 - m_nextSolid;
    brush.setColor(color);
    return brush;
}

void MovingLayerPainter::prepare(QSizeF size, const OverlayRenderConfiguration& snapshot,
                                 double time) {
    m_driftCount = 0;
    m_band.reset();
    if (snapshot.horizontalDrift > 0)
        prepareDrift(size, snapshot, time);
    prepareFlicker(size, snapshot, time);
    prepareDust(size, snapshot, time);
    if (snapshot.rollingBand > 0)
        prepareBand(size, snapshot, time);
}

void MovingLayerPainter::prepareDrift(QSizeF size, const OverlayRenderConfiguration& snapshot,
                                      double time) {
    HorizontalDriftBands bands;
    if (!horizontalDriftBands(size.width(), size.height(), snapshot, time, bands))
        return;
    for (const HorizontalDriftBand& band : bands)
        m_drift[m_driftCount++] = {band.rect.normalized(),
                                   colorAt(DrawingColor::white(), band.opacity),
                                   colorAt(DrawingColor::black(), band.outlineOpacity)};
}

void MovingLayerPainter::prepareFlicker(QSizeF size, const OverlayRenderConfiguration& snapshot,
                                        double time) {
    std::optional<PixelFlickerPattern> pattern;
    if (snapshot.flickerIntensity > 0)
        pattern =
            pixelFlickerPattern(size.width(), size.height(), snapshot.cellSize, snapshot, time);
    if (pattern == m_flickerPattern)
        return; // the same flashes until the next tick
    m_flickerPattern = pattern;
    m_flashes.clear();
    if (!pattern)
        return;
    m_flashes.reserve(maximumFlickerFlashes);
    pattern->forEachFlash([&](const QRectF& cell, bool white, double opacity) {
        m_flashes.push_back({cell, whiteOrBlack(white, opacity)});
    });
    // Flashes overlap only when they pick the same cell, whose order a stable
    // sort keeps.
    std::stable_sort(m_flashes.begin(), m_flashes.end(),
                     [](const Patch& a, const Patch& b) { return a.rect.top() < b.rect.top(); });
    m_flashHeight = pattern->cellSize;
}

void MovingLayerPainter::prepareDust(QSizeF size, const OverlayRenderConfiguration& snapshot,
                                     double time) {
    std::optional<DustNoisePattern> pattern;
    if (snapshot.dustNoise > 0)
        pattern = dustNoisePattern(size.width(), size.height(), snapshot, time);
    if (pattern == m_dustPattern)
        return;
    m_dustPattern = pattern;
    m_dots.clear();
    m_dotsByTop.clear();
    if (!pattern)
        return;
    m_dots.reserve(maximumDustDots);
    m_dotsByTop.reserve(maximumDustDots);
    pattern->forEachDot([&](const QRectF& bounds, bool white, double opacity) {
        m_dots.push_back({bounds, whiteOrBlack(white, opacity)});
        m_dotsByTop.push_back(static_cast<std::uint32_t>(m_dotsByTop.size()));
    });
    std::sort(m_dotsByTop.begin(), m_dotsByTop.end(), [this](std::uint32_t a, std::uint32_t b) {
        return m_dots[a].rect.top() < m_dots[b].rect.top();
    });
}

void MovingLayerPainter::prepareBand(QSizeF size, const OverlayRenderConfiguration& snapshot,
                                     double time) {
    m_band = rollingBandRect(size.width(), size.height(), snapshot, time);
    if (!m_band)
        return;
    // The gradient depends on the band's height and strength only; its position
    // moves with the brush transform.
    if (m_band->height() != m_bandHeight || snapshot.rollingBand != m_bandStrength) {
        QLinearGradient gradient(QPointF(0, 0), QPointF(0, m_band->height()));
        gradient.setStops(QPainterDrawingContext::toStops(rollingBandStops(snapshot.rollingBand)));
        m_bandBrush = QBrush(gradient);
        m_bandHeight = m_band->height();
        m_bandStrength = snapshot.rollingBand;
    }
    m_bandBrush.setTransform(QTransform::fromTranslate(0, m_band->top()));
}

std::pair<std::size_t, std::size_t> MovingLayerPainter::flashesNear(const QRectF& clip) const {
    const auto top = [](const Patch& patch, double y) { return patch.rect.top() < y; };
    const auto first =
        std::lower_bound(m_flashes.begin(), m_flashes.end(), clip.top() - m_flashHeight - 1, top);
    const auto last = std::lower_bound(first, m_flashes.end(), clip.bottom() + 1, top);
    return {static_cast<std::size_t>(first - m_flashes.begin()),
            static_cast<std::size_t>(last - m_flashes.begin())};
}

namespace {
// A dot of the given diameter in opaque white, its bounds' top left at each
// of the points, onto an image of the given size.
QImage dots(QSize size, int diameter, const std::vector<QPoint>& at) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (const QPoint& point : at)
        painter.drawEllipse(QRectF(point, QSizeF(diameter, diameter)));
    return image;
}
} // namespace

const QImage* MovingLayerPainter::dotMask(int diameter) {
    // Dots are a few points wide; far larger ones are left to the painter
    // rather than checked on an image many times their size.
    if (diameter < 1 || diameter > 32)
        return nullptr;
    if (m_dotMasks.size() <= std::size_t(diameter))
        m_dotMasks.resize(std::size_t(diameter) + 1);
    std::optional<QImage>& mask = m_dotMasks[std::size_t(diameter)];
    if (!mask) {
        // The painter's arithmetic is not the same everywhere for every size
        // (a dot of two pixels comes out in two shades): the mask stands for
        // a size only if dots drawn across a wide canvas all match it.
        mask = dots(QSize(diameter, diameter), diameter, {QPoint(0, 0)});
        const int step = diameter + 61;
        std::vector<QPoint> along;
        for (int k = 0; k < 64; ++k)
            along.emplace_back(k * step + k % 7, k % 5);
        const QImage row = dots(QSize(64 * step, diameter + 5), diameter, along);
        for (const QPoint& point : along)
            if (row.copy(QRect(point, QSize(diameter, diameter))) != *mask)
                *mask = QImage();
    }
    return mask->isNull() ? nullptr : &*mask;
}

void MovingLayerPainter::dotsNear(const QRectF& clip) {
    m_nearDots.clear();
    // Dots are at most a few points tall: only those starting near clip's rows.
    const auto first = std::lower_bound(
        m_dotsByTop.begin(), m_dotsByTop.end(), clip.top() - 8,
        [this](std::uint32_t dot, double y) { return m_dots[dot].rect.top() < y; });
    for (auto dot = first; dot != m_dotsByTop.end() && m_dots[*dot].rect.top() < clip.bottom() + 1;
         ++dot)
        if (near(m_dots[*dot].rect, clip))
            m_nearDots.push_back(*dot);
    std::sort(m_nearDots.begin(), m_nearDots.end());
}

bool MovingLayerPainter::flatFills(const QRectF& clip, const QRect& pixels, double ratio,
                                   std::vector<FlatFill>& fills) {
    fills.clear();
    if (m_band && near(*m_band, clip))
        return false;
    const auto whole = [](double v) { return std::fabs(v - std::round(v)) < 1e-6; };
    for (std::size_t i = 0; i < m_driftCount; ++i) {
        const DriftBand& band = m_drift[i];
        if (!near(band.rect, clip))
            continue;
        // Inside the half-point outline, the band is its fill colour alone.
        if (!band.rect.adjusted(0.5, 0.5, -0.5, -0.5).contains(clip))
            return false;
        fills.push_back({pixels, band.premultipliedFill, nullptr, {}});
    }
    const auto [first, last] = flashesNear(clip);
    for (std::size_t i = first; i < last; ++i) {
        const Patch& flash = m_flashes[i];
        if (!near(flash.rect, clip))
            continue;
        const QRectF device(flash.rect.topLeft() * ratio, flash.rect.size() * ratio);
        if (!whole(device.left()) || !whole(device.top()) || !whole(device.right()) ||
            !whole(device.bottom()))
            return false;
        const QRect cell = device.toAlignedRect().intersected(pixels);
        if (!cell.isEmpty())
            fills.push_back({cell, flash.premultiplied, nullptr, {}});
    }
    dotsNear(clip);
    for (const std::uint32_t i : m_nearDots) {
        // Every dot on whole pixels is the same shape of its size, moved.
        const QRectF& dot = m_dots[i].rect;
        if (!whole(dot.left() * ratio) || !whole(dot.top() * ratio) || !whole(dot.width() * ratio))
            return false;
        const QImage* mask = dotMask(qRound(dot.width() * ratio));
        if (!mask)
            return false;
        const QRect device(qRound(dot.left() * ratio), qRound(dot.top() * ratio), mask->width(),
                           mask->height());
        const QRect covered = device.intersected(pixels);
        if (!covered.isEmpty())
            fills.push_back({covered, m_dots[i].premultiplied, mask, device.topLeft()});
    }
    return true;
}

void MovingLayerPainter::paint(QPainter& painter, const QRectF& clip) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < m_driftCount; ++i) {
        const DriftBand& band = m_drift[i];
        if (!near(band.rect, clip))
            continue;
        painter.fillRect(band.rect, band.fill);
        QPainterDrawingContext::fillRectangleOutline(painter, band.rect, 1,
                                                     solidBrush(band.outline));
    }
    const auto [first, last] = flashesNear(clip);
    for (std::size_t i = first; i < last; ++i)
        if (near(m_flashes[i].rect, clip))
            painter.fillRect(m_flashes[i].rect, m_flashes[i].color);
    dotsNear(clip);
    for (const std::uint32_t i : m_nearDots) {
        painter.setBrush(solidBrush(m_dots[i].color));
        painter.drawEllipse(m_dots[i].rect);
    }
    if (m_band && near(*m_band, clip))
        painter.fillRect(*m_band, m_bandBrush);
    painter.setBrush(Qt::NoBrush);
}
