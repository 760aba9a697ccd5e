#include "ui/PanelFonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

QFont PanelFonts::scaled(const QFont& base, double factor) {
    QFont font = base;
    if (base.pointSizeF() > 0)
        font.setPointSizeF(base.pointSizeF() * factor);
    else if (base.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::lround(base.pixelSize() * factor))));
    return font;
}

QFont PanelFonts::title(const QFont& base) {
    QFont font = scaled(base, 1.4);
    font.setWeight(QFont::DemiBold);
    return font;
}

QFont PanelFonts::subheadline(const QFont& base) {
    return scaled(base, 0.95);
}

QFont PanelFonts::caption(const QFont& base) {
    const QFont font = scaled(base, 0.85);
    const QFontMetricsF metrics(font);
    const qreal zero = metrics.horizontalAdvance(QLatin1Char('0'));
    for (char digit = '1'; digit <= '9'; ++digit)
        if (!qFuzzyCompare(metrics.horizontalAdvance(QLatin1Char(digit)), zero)) {
            // Proportional digits: take the fixed-width face at the same size.
            QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
            if (font.pointSizeF() > 0)
                fixed.setPointSizeF(font.pointSizeF());
            else
                fixed.setPixelSize(font.pixelSize());
            return fixed;
        }
    return font;
}
