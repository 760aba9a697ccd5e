#include "SymbolIcon.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QSvgRenderer>

namespace {
QString resourcePath(const QString& name) { return QStringLiteral(":/symbols/%1.svg").arg(name); }

QPixmap render(QSvgRenderer& svg, int side, qreal ratio, const QColor& color) {
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, side, side));
    // Keep the artwork's coverage, take the colour from the palette.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRectF(0, 0, side, side), color);
    return pixmap;
}
} // namespace

bool SymbolIcon::exists(const QString& name) { return QFile::exists(resourcePath(name)); }

QIcon SymbolIcon::icon(const QString& name, const QColor& color) {
    QSvgRenderer svg(resourcePath(name));
    if (!svg.isValid())
        return QIcon();
    const QColor tint = color.isValid() ? color : QGuiApplication::palette().color(QPalette::WindowText);
    QIcon result;
    for (int side : {16, 22, 24, 32, 48, 64, 128})
        for (qreal ratio : {1.0, 2.0})
            result.addPixmap(render(svg, side, ratio, tint));
    return result;
}
