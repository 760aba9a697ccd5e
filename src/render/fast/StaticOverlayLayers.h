#pragma once

#include "render/OverlayRenderConfiguration.h"

#include <QImage>
#include <QSizeF>

// The time-free layers of a frame, kept as two device-resolution images: below
// the moving layers (tint, glow) and above them (grid, scanlines, vignette).
// Rebuilt only when the canvas size, the pixel ratio or one of the settings they
// read changes; the images' memory is reused when the pixel size stays.
class StaticOverlayLayers {
public:
    // Returns true when the layers had to be rebuilt.
    bool prepare(QSizeF size, double devicePixelRatio, const OverlayRenderConfiguration& snapshot);

    bool hasBelow() const { return m_hasBelow; }
    const QImage& below() const { return m_below; }
    const QImage& above() const { return m_above; }

    // Copies the lower layer's pixels of rect (device pixels) into frame, row
    // by row: cheaper than a painter's image copy for the small rectangles.
    void copyBelow(QImage& frame, const QRect& rect) const;
    int buildCount() const { return m_buildCount; }

private:
    struct Key {
        double width = -1, height = -1, ratio = 0;
        double cell = 0, gridOpacity = 0, scanlineOpacity = 0;
        double tintHue = 0, tintOpacity = 0, phosphorGlow = 0;

        bool sameAs(const Key& other) const;
    };

    static void reset(QImage& image, QSize pixels, double ratio);

    Key m_key;
    bool m_valid = false;
    bool m_hasBelow = false;
    QImage m_below;
    QImage m_above;
    std::vector<std::uint32_t> m_rowColors; // of the lower layer, between
    int m_evenLeft = 0, m_evenRight = -1;   // these columns, on every row
    int m_buildCount = 0;
};
