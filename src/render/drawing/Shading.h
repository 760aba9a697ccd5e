#pragma once

#include "render/drawing/DrawingColor.h"
#include "render/drawing/GradientStop.h"

#include <QPointF>
#include <vector>

// How a fill or stroke is coloured: one solid colour, or a linear or radial
// gradient that keeps its end colours beyond its ends.
class Shading {
public:
    enum class Kind { color, linearGradient, radialGradient };

    static Shading color(const DrawingColor& color);
    // Location 0 at start, 1 at end.
    static Shading linearGradient(std::vector<GradientStop> stops, QPointF start, QPointF end);
    // Location 0 at startRadius from the centre, 1 at endRadius.
    static Shading radialGradient(std::vector<GradientStop> stops, QPointF center,
                                  double startRadius, double endRadius);

    Kind kind() const { return m_kind; }
    const DrawingColor& solidColor() const { return m_color; }
    const std::vector<GradientStop>& stops() const { return m_stops; }
    QPointF startPoint() const { return m_start; }
    QPointF endPoint() const { return m_end; }
    QPointF center() const { return m_start; }
    double startRadius() const { return m_startRadius; }
    double endRadius() const { return m_endRadius; }

    bool operator==(const Shading&) const = default;

private:
    Kind m_kind = Kind::color;
    DrawingColor m_color;
    std::vector<GradientStop> m_stops;
    QPointF m_start;
    QPointF m_end;
    double m_startRadius = 0;
    double m_endRadius = 0;
};
