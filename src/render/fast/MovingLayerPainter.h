#pragma once

#include "render/OverlayRenderConfiguration.h"
#include "render/layers/DustNoise.h"
#include "render/layers/HorizontalDrift.h"
#include "render/layers/PixelFlicker.h"

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <array>
#include <optional>
#include <vector>

class QPainter;

// Draws the four time-driven layers (drift, flicker, dust, rolling band) with
// the painter calls the layer-by-layer renderer ends in, so the pixels match.
// A frame's shapes are worked out once (prepare) and then drawn strip by strip
// (paint), each strip drawing only the shapes that reach into it. Keeps its
// lists and brushes between frames, so a warm frame allocates nothing.
class MovingLayerPainter {
public:
    void prepare(QSizeF size, const OverlayRenderConfiguration& snapshot, double time);

    // Draws the prepared shapes that reach into clip (points); the painter is
    // already clipped to it.
    void paint(QPainter& painter, const QRectF& clip);

    // A solid colour over whole device pixels, premultiplied; where a mask
    // is given, its alpha (its top left at maskOrigin) is each pixel's share.
    struct FlatFill {
        QRect pixels;
        QRgb color;
        const QImage* mask = nullptr;
        QPoint maskOrigin;
    };
    // The fills that draw into clip (points; the same as pixels at ratio), in
    // drawing order, when each covers whole pixels with one colour there: a
    // drift band's inside, a flash on a cell of whole pixels, a dot on whole
    // pixels (through its mask). False when a shape with other soft edges
    // reaches in (the rolling band, a band's edge, a dot across pixels).
    bool flatFills(const QRectF& clip, const QRect& pixels, double ratio,
                   std::vector<FlatFill>& fills);

private:
    struct Patch {
        QRectF rect;
        QColor color;
        QRgb premultiplied = premultiply(color); // for fills composed by hand
    };
    struct DriftBand {
        QRectF rect;
        QColor fill;
        QColor outline;
        QRgb premultipliedFill = premultiply(fill);
    };

    static QRgb premultiply(const QColor& color) { return qPremultiply(color.rgba64()).toArgb32(); }

    void prepareDrift(QSizeF size, const OverlayRenderConfiguration& snapshot, double time);
    void prepareFlicker(QSizeF size, const OverlayRenderConfiguration& snapshot, double time);
    void prepareDust(QSizeF size, const OverlayRenderConfiguration& snapshot, double time);
    void prepareBand(QSizeF size, const OverlayRenderConfiguration& snapshot, double time);
    // The dots that reach into clip, into m_nearDots.
    void dotsNear(const QRectF& clip);
    // The flashes whose cell may reach into clip, as an index range.
    std::pair<std::size_t, std::size_t> flashesNear(const QRectF& clip) const;

    // A solid brush of the given colour without allocating: the painter still
    // holds the brush it drew with last, so recolouring that one would copy it;
    // two brushes taken in turn are each unshared when recoloured.
    const QBrush& solidBrush(const QColor& color);

    // How much of each pixel a dot of diameter pixels covers when the painter
    // draws it on whole pixels, as the alpha of opaque white; null where that
    // depends on where the dot is.
    const QImage* dotMask(int diameter);

    std::array<DriftBand, horizontalDriftBandCount> m_drift;
    std::size_t m_driftCount = 0;
    std::optional<PixelFlickerPattern> m_flickerPattern;
    std::optional<DustNoisePattern> m_dustPattern;
    std::vector<Patch> m_flashes; // in drawing order within a cell, sorted by top
    double m_flashHeight = 0;
    std::vector<Patch> m_dots;              // in drawing order
    std::vector<std::uint32_t> m_dotsByTop; // their indices, sorted by top
    std::vector<std::uint32_t> m_nearDots;  // those near a clip, in drawing order
    std::optional<QRectF> m_band;
    std::vector<std::optional<QImage>> m_dotMasks; // by diameter in pixels

    QBrush m_solid[2] = {QBrush(Qt::black), QBrush(Qt::black)};
    int m_nextSolid = 0;
    QBrush m_bandBrush;
    double m_bandHeight = -1;
    double m_bandStrength = -1;
};
