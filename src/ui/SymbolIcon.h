#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

// Monochrome symbols drawn for this program, looked up by their symbol name
// ("square.grid.3x3", "power", ...). The artwork is black; it is recoloured to
// the requested colour so it follows the light or dark palette.
class SymbolIcon {
public:
    static bool exists(const QString& name);
    // The symbol in the given colour; the palette's text colour when none is given.
    static QIcon icon(const QString& name, const QColor& color = QColor());
    // The symbol in the palette's text colour ringed in its window colour, so it
    // stands out on a dark and on a light background alike: a tray's colour is
    // the desktop's and not known here.
    static QIcon outlined(const QString& name);
};
