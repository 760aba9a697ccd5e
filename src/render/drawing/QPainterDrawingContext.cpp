#include "render/drawing/QPainterDrawingContext.h"

#include "render/drawing/GaussianBlur.h"

#include <QImage>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace {
float unit(double value) {
    return std::isnan(value) ? 0.0f : static_cast<float>(std::clamp(value, 0.0, 1.0));
}

// Images and pixmaps report their size in device pixels, widgets in logical units.
QSize devicePixelSize(const QPaintDevice& device) {
    if (device.devType() == QInternal::Image || device.devType() == QInternal::Pixmap)
        return {device.width(), device.height()};
    const double ratio = device.devicePixelRatioF();
    return {static_cast<int>(std::ceil(device.width() * ratio)),
            static_cast<int>(std::ceil(device.height() * ratio))};
}
} // namespace

QPainterDrawingContext::QPainterDrawingContext(QPainter& painter)
    : m_painter(painter) {
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.setPen(Qt::NoPen);
}

QColor QPainterDrawingContext::toColor(const DrawingColor& color) {
    return QColor::fromRgbF(unit(color.red), unit(color.green), unit(color.blue),
                            unit(color.opacity));
}

QGradientStops QPainterDrawingContext::toStops(const std::vector<GradientStop>& stops) {
    QGradientStops result;
    result.reserve(static_cast<qsizetype>(stops.size()));
    for (const GradientStop& stop : stops)
        result.append({std::clamp(stop.location, 0.0, 1.0), toColor(stop.color)});
    return result;
}

QBrush QPainterDrawingContext::toBrush(const Shading& shading) {
    switch (shading.kind()) {
    case Shading::Kind::color:
        return QBrush(toColor(shading.solidColor()));
    case Shading::Kind::linearGradient: {
        QLinearGradient gradient(shading.startPoint(), shading.endPoint());
        gradient.setStops(toStops(shading.stops()));
        return QBrush(gradient);
    }
    case Shading::Kind::radialGradient: {
        QRadialGradient gradient(shading.center(), shading.endRadius(), shading.center(),
                                 shading.startRadius());
        gradient.setStops(toStops(shading.stops()));
        return QBrush(gradient);
    }
    }
    return {};
}

QPainterPath QPainterDrawingContext::toPainterPath(const DrawingPath& path) {
    QPainterPath result;
    switch (path.shape()) {
    case DrawingPath::Shape::rectangle:
        result.addRect(path.rect().normalized());
        break;
    case DrawingPath::Shape::ellipse:
        result.addEllipse(path.rect().normalized());
        break;
    case DrawingPath::Shape::lines:
        result.reserve(static_cast<int>(path.lines().size() * 2));
        for (const QLineF& line : path.lines()) {
            result.moveTo(line.p1());
            result.lineTo(line.p2());
        }
        break;
    }
    return result;
}

QPainterPath QPainterDrawingContext::strokeOutline(const QPainterPath& path, double lineWidth) {
    QPainterPathStroker stroker;
    stroker.setWidth(lineWidth);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    return stroker.createStroke(path);
}

void QPainterDrawingContext::fill(const DrawingPath& path, const Shading& shading) {
    switch (path.shape()) {
    case DrawingPath::Shape::rectangle:
        if (shading.kind() == Shading::Kind::color)
            m_painter.fillRect(path.rect().normalized(), toColor(shading.solidColor()));
        else
            m_painter.fillRect(path.rect().normalized(), toBrush(shading));
        break;
    case DrawingPath::Shape::ellipse:
        m_painter.setBrush(toBrush(shading));
        m_painter.drawEllipse(path.rect().normalized());
        m_painter.setBrush(Qt::NoBrush);
        break;
    case DrawingPath::Shape::lines:
        break; // segments enclose no area
    }
}

int QPainterDrawingContext::rectangleOutline(RectangleOutline& outline, const QRectF& rect,
                                             double lineWidth) {
    const double half = lineWidth / 2;
    const QRectF outer = rect.normalized().adjusted(-half, -half, half, half);
    outline = {outer.topLeft(), outer.topRight(), outer.bottomRight(), outer.bottomLeft(),
               outer.topLeft()};
    if (!(rect.width() > lineWidth && rect.height() > lineWidth))
        return 4;
    // The hole, run the other way and joined to the outside by a slit whose two
    // edges cancel.
    const QRectF inner = rect.normalized().adjusted(half, half, -half, -half);
    outline[5] = inner.topLeft();
    outline[6] = inner.bottomLeft();
    outline[7] = inner.bottomRight();
    outline[8] = inner.topRight();
    outline[9] = inner.topLeft();
    return 10;
}

void QPainterDrawingContext::fillRectangleOutline(QPainter& painter, const QRectF& rect,
                                                  double lineWidth, const QBrush& brush) {
    RectangleOutline outline;
    const int points = rectangleOutline(outline, rect, lineWidth);
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.drawPolygon(outline.data(), points, Qt::OddEvenFill);
    painter.setBrush(Qt::NoBrush);
}

void QPainterDrawingContext::stroke(const DrawingPath& path, const Shading& shading,
                                    double lineWidth) {
    if (path.isEmpty() || !(lineWidth > 0))
        return;
    if (path.shape() == DrawingPath::Shape::rectangle) {
        // The exact ring; the general stroker overlaps itself at the corners,
        // which the rasteriser then counts twice.
        fillRectangleOutline(m_painter, path.rect(), lineWidth, toBrush(shading));
        return;
    }
    m_painter.fillPath(strokeOutline(toPainterPath(path), lineWidth), toBrush(shading));
}

void QPainterDrawingContext::strokeBlurred(const DrawingPath& path, const Shading& shading,
                                           double lineWidth, double blurRadius) {
    if (path.isEmpty() || !(lineWidth > 0))
        return;
    const QPaintDevice* device = m_painter.device();
    const double ratio = device->devicePixelRatioF();
    const QSize size = devicePixelSize(*device);
    if (size.isEmpty())
        return;

    // The copy: a transparent surface the size of the device, drawn with the
    // same transform, blurred, then composited back in device pixels.
    QImage copy(size, QImage::Format_ARGB32_Premultiplied);
    copy.fill(Qt::transparent);
    copy.setDevicePixelRatio(ratio);
    {
        QPainter painter(&copy);
        painter.setTransform(m_painter.worldTransform());
        QPainterDrawingContext(painter).stroke(path, shading, lineWidth);
    }
    GaussianBlur(blurRadius * ratio).blur(copy);

    m_painter.save();
    m_painter.resetTransform();
    m_painter.drawImage(QPointF(0, 0), copy);
    m_painter.restore();
}
