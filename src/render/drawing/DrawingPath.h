#pragma once

#include <QLineF>
#include <QRectF>
#include <vector>

// A path of the drawing contract: a closed rectangle, an ellipse inscribed in a
// rectangle, or one path holding any number of separate straight segments.
class DrawingPath {
public:
    enum class Shape { lines, rectangle, ellipse };

    // An empty line path.
    DrawingPath() = default;
    static DrawingPath rectangle(const QRectF& rect) { return DrawingPath(Shape::rectangle, rect); }
    static DrawingPath ellipse(const QRectF& bounds) { return DrawingPath(Shape::ellipse, bounds); }

    // Adds one separate segment to a line path.
    void addLine(QPointF from, QPointF to) { m_lines.emplace_back(from, to); }

    Shape shape() const { return m_shape; }
    const QRectF& rect() const { return m_rect; }
    const std::vector<QLineF>& lines() const { return m_lines; }
    bool isEmpty() const { return m_shape == Shape::lines && m_lines.empty(); }

    bool operator==(const DrawingPath&) const = default;

private:
    DrawingPath(Shape shape, const QRectF& rect)
        : m_shape(shape)
        , m_rect(rect) {}

    Shape m_shape = Shape::lines;
    QRectF m_rect;
    std::vector<QLineF> m_lines;
};
