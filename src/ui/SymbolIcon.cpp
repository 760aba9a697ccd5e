#include "ui/SymbolIcon.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QSvgRenderer>
#include <cmath>
#include <numbers>

namespace {
QString resourcePath(const QString& name) {
    return QStringLiteral(":/symbols/%1.svg").arg(name);
}

QPixmap blank(int side, qreal ratio) {
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap render(QSvgRenderer& svg, int side, qreal ratio, const QColor& color) {
    QPixmap pixmap = blank(side, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, side, side));
    // Keep the artwork's coverage, take the colour from the palette.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRectF(0, 0, side, side), color);
    return pixmap;
}

// The glyph over a copy of itself widened by a sixteenth of the side in every
// direction (drawn at offsets around a circle) in the outline colour.
QPixmap ringed(const QPixmap& glyph, int side, const QColor& outline) {
    QPixmap pixmap = blank(side, glyph.devicePixelRatio());
    QPainter painter(&pixmap);
    const qreal radius = side / 16.0;
    for (int i = 0; i < 16; ++i) {
        const qreal angle = i * std::numbers::pi / 8;
        painter.drawPixmap(QPointF(radius * std::cos(angle), radius * std::sin(angle)), glyph);
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRectF(0, 0, side, side), outline);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawPixmap(QPointF(0, 0), glyph);
    return pixmap;
}

// Every size a tray or a widget may ask for; no outline when it is invalid.
QIcon build(const QString& name, const QColor& color, const QColor& outline) {
    QSvgRenderer svg(resourcePath(name));
    if (!svg.isValid())
        return QIcon();
    QIcon result;
    for (int side : {16, 22, 24, 32, 48, 64, 128})
        for (qreal ratio : {1.0, 2.0}) {
            const QPixmap glyph = render(svg, side, ratio, color);
            result.addPixmap(outline.isValid() ? ringed(glyph, side, outline) : glyph);
        }
    return result;
}
} // namespace

bool SymbolIcon::exists(const QString& name) {
    return QFile::exists(resourcePath(name));
}

QIcon SymbolIcon::icon(const QString& name, const QColor& color) {
    return build(name,
                 color.isValid() ? color : QGuiApplication::palette().color(QPalette::WindowText),
                 QColor());
}

QIcon SymbolIcon::outlined(const QString& name) {
    const QPalette palette = QGuiApplication::palette();
    return build(name, palette.color(QPalette::WindowText), palette.color(QPalette::Window));
}
