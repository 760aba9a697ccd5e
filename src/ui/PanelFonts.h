#pragma once

#include <QFont>

// The few text styles of the panels, derived from the widget's own font so they
// follow the desktop's font and size.
class PanelFonts {
public:
    // The header's title: larger and semibold.
    static QFont title(const QFont& base);
    // The header's tagline: a little smaller.
    static QFont subheadline(const QFont& base);
    // Value texts: caption size with digits of equal width, so the text does not
    // jitter while a thumb moves.
    static QFont caption(const QFont& base);

    // The font scaled by factor, whether it was given in points or in pixels.
    static QFont scaled(const QFont& base, double factor);
};
