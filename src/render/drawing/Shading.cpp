#include "render/drawing/Shading.h"

#include <utility>

Shading Shading::color(const DrawingColor& color) {
    Shading shading;
    shading.m_kind = Kind::color;
    shading.m_color = color;
    return shading;
}

Shading Shading::linearGradient(std::vector<GradientStop> stops, QPointF start, QPointF end) {
    Shading shading;
    shading.m_kind = Kind::linearGradient;
    shading.m_stops = std::move(stops);
    shading.m_start = start;
    shading.m_end = end;
    return shading;
}

Shading Shading::radialGradient(std::vector<GradientStop> stops, QPointF center, double startRadius,
                                double endRadius) {
    Shading shading;
    shading.m_kind = Kind::radialGradient;
    shading.m_stops = std::move(stops);
    shading.m_start = center;
    shading.m_startRadius = startRadius;
    shading.m_endRadius = endRadius;
    return shading;
}
