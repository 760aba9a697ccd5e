#include "render/fast/StaticLayerPainting.h"

#include "render/drawing/GaussianBlur.h"
#include "render/drawing/QPainterDrawingContext.h"
#include "render/layers/OverlayFrame.h"
#include "render/layers/OverlayTint.h"
#include "render/layers/PhosphorGlow.h"
#include "render/layers/PixelGrid.h"
#include "render/layers/Scanlines.h"
#include "render/layers/Vignette.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {
QImage cleared(int width, int height, double ratio) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(ratio);
    return image;
}

std::uint32_t* pixels(QImage& image, int y) {
    return reinterpret_cast<std::uint32_t*>(image.scanLine(y));
}

// The glow's lines are horizontal and span the canvas, so before the blur every
// column is the same. Blur one column vertically, then only a strip as wide as
// the blur reaches horizontally: every column farther from the edges equals the
// strip's middle one, and the right edge mirrors the left (the passes are
// symmetric), exactly as the whole-image blur would give.
void paintPhosphorGlow(QImage& image, QSizeF size, double cell,
                       const OverlayRenderConfiguration& snapshot) {
    const double ratio = image.devicePixelRatio();
    const int width = image.width();
    const int height = image.height();
    const DrawingPath lines = phosphorGlowPath(1 / ratio, size.height(), cell);
    if (lines.isEmpty() || width <= 0)
        return;

    QImage column = cleared(1, height, ratio);
    {
        QPainter painter(&column);
        QPainterDrawingContext(painter).stroke(lines, Shading::color(phosphorGlowColor(snapshot)),
                                               phosphorGlowLineWidth(cell));
    }
    const GaussianBlur blur(phosphorGlowBlurRadius(cell) * ratio);
    blur.blurVertically(column);

    const int reach = blur.support();
    const int stripWidth = std::min(width, 2 * reach + 1);
    QImage strip = cleared(stripWidth, height, ratio);
    for (int y = 0; y < height; ++y)
        std::fill_n(pixels(strip, y), stripWidth, pixels(column, y)[0]);
    blur.blurHorizontally(strip);
    {
        QPainter painter(&image);
        painter.drawImage(QPointF(0, 0), strip);
    }
    if (stripWidth == width)
        return;
    for (int y = 0; y < height; ++y) {
        std::uint32_t* row = pixels(image, y);
        std::fill(row + reach + 1, row + width - reach, row[reach]);
        std::reverse_copy(row, row + reach, row + width - reach);
    }
}

// Smallest whole number of cells that spans a whole number of device pixels.
std::optional<int> gridPeriodPixels(double cell, double ratio) {
    for (int cells = 1; cells <= 64; ++cells) {
        const double pixels = cells * cell * ratio;
        if (std::fabs(pixels - std::round(pixels)) < 1e-7 && pixels >= 1 && pixels < 4096)
            return static_cast<int>(std::round(pixels));
    }
    return std::nullopt;
}

// The grid repeats every period: draw one wide tile the way the layer draws the
// whole canvas (its lines running past the tile's edges), then tile it. Cells
// whose size spans no whole number of pixels fall back to drawing every line.
void paintPixelGrid(QImage& image, QSizeF size, double cell,
                    const OverlayRenderConfiguration& snapshot) {
    if (!(snapshot.gridOpacity > 0))
        return; // a transparent stroke leaves nothing
    const double ratio = image.devicePixelRatio();
    const std::optional<int> period = gridPeriodPixels(cell, ratio);
    if (!period || pixelGridPath(size.width(), size.height(), cell).isEmpty()) {
        QPainter painter(&image);
        QPainterDrawingContext context(painter);
        drawPixelGrid(context, size.width(), size.height(), cell, snapshot);
        return;
    }
    const int tileWidth = *period * ((255 + *period) / *period);
    QImage tile = cleared(tileWidth, *period, ratio);
    {
        QPainter painter(&tile);
        QPainterDrawingContext(painter).stroke(
            pixelGridPath(tileWidth / ratio + cell, *period / ratio + cell, cell),
            Shading::color(pixelGridColor(snapshot)), 1);
    }
    tile.setDevicePixelRatio(1);
    image.setDevicePixelRatio(1);
    {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(image.rect(), QBrush(tile));
    }
    image.setDevicePixelRatio(ratio);
}

// Each scanline is a 1-point stroke centred mid-row: the same band as a
// 1-point-high rectangle.
void paintScanlines(QImage& image, QSizeF size, double cell,
                    const OverlayRenderConfiguration& snapshot) {
    const QColor color = QPainterDrawingContext::toColor(scanlineColor(snapshot));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const DrawingPath lines = scanlinePath(size.width(), size.height(), cell);
    for (const QLineF& line : lines.lines())
        painter.fillRect(QRectF(line.x1(), line.y1() - 0.5, line.x2() - line.x1(), 1), color);
}
} // namespace

namespace StaticLayerPainting {

void paintBelow(QImage& image, QSizeF size, const OverlayRenderConfiguration& snapshot) {
    if (snapshot.tintOpacity > 0) {
        QPainter painter(&image);
        QPainterDrawingContext context(painter);
        drawTint(context, size.width(), size.height(), snapshot);
    }
    if (snapshot.phosphorGlow > 0)
        paintPhosphorGlow(image, size, snapshot.cellSize, snapshot);
}

void paintAbove(QImage& image, QSizeF size, const OverlayRenderConfiguration& snapshot) {
    const double cell = snapshot.cellSize;
    paintPixelGrid(image, size, cell, snapshot);
    if (snapshot.scanlineOpacity > 0)
        paintScanlines(image, size, cell, snapshot);
    QPainter painter(&image);
    QPainterDrawingContext context(painter);
    drawVignette(context, size.width(), size.height());
}

} // namespace StaticLayerPainting
