#pragma once

#include "render/drawing/DrawingContext.h"

#include <QBrush>
#include <QColor>
#include <QGradient>
#include <QPainterPath>
#include <array>

class QPainter;

// The drawing contract on a QPainter: antialiased, source-over, 8-bit sRGB
// blending, on whatever device the painter paints (an ARGB32_Premultiplied image
// of any device pixel ratio, normally). Strokes fill the stroke's outline, so a
// path is covered once where its segments cross, whatever the pixel ratio.
class QPainterDrawingContext final : public DrawingContext {
public:
    explicit QPainterDrawingContext(QPainter& painter);

    void fill(const DrawingPath& path, const Shading& shading) override;
    void stroke(const DrawingPath& path, const Shading& shading, double lineWidth) override;
    void strokeBlurred(const DrawingPath& path, const Shading& shading, double lineWidth,
                       double blurRadius) override;

    static QColor toColor(const DrawingColor& color);
    static QGradientStops toStops(const std::vector<GradientStop>& stops);
    static QBrush toBrush(const Shading& shading);
    static QPainterPath toPainterPath(const DrawingPath& path);
    static QPainterPath strokeOutline(const QPainterPath& path, double lineWidth);
    // The band a stroke of lineWidth paints along a rectangle's edges, with
    // mitred corners, as one polygon for the odd-even rule; returns how many of
    // the points it uses.
    using RectangleOutline = std::array<QPointF, 10>;
    static int rectangleOutline(RectangleOutline& outline, const QRectF& rect, double lineWidth);
    static void fillRectangleOutline(QPainter& painter, const QRectF& rect, double lineWidth,
                                     const QBrush& brush);

private:
    QPainter& m_painter;
};
