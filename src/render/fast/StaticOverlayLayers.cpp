#include "render/fast/StaticOverlayLayers.h"

#include "render/fast/StaticLayerPainting.h"
#include "render/layers/OverlayFrame.h"

#include <algorithm>
#include <cmath>
#include <cstring>

bool StaticOverlayLayers::Key::sameAs(const Key& other) const {
    // Bitwise, so that a NaN setting does not force a rebuild on every frame.
    return std::memcmp(this, &other, sizeof(Key)) == 0;
}

void StaticOverlayLayers::reset(QImage& image, QSize pixels, double ratio) {
    if (image.size() != pixels)
        image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
}

bool StaticOverlayLayers::prepare(QSizeF size, double devicePixelRatio,
                                  const OverlayRenderConfiguration& snapshot) {
    Key key;
    key.width = size.width();
    key.height = size.height();
    key.ratio = devicePixelRatio;
    key.cell = snapshot.cellSize;
    key.gridOpacity = snapshot.gridOpacity;
    key.scanlineOpacity = snapshot.scanlineOpacity;
    key.tintHue = snapshot.tintHue;
    key.tintOpacity = snapshot.tintOpacity;
    key.phosphorGlow = snapshot.phosphorGlow;
    if (m_valid && key.sameAs(m_key))
        return false;

    const QSize pixels(static_cast<int>(std::ceil(size.width() * devicePixelRatio - 1e-9)),
                       static_cast<int>(std::ceil(size.height() * devicePixelRatio - 1e-9)));
    m_hasBelow = snapshot.tintOpacity > 0 || snapshot.phosphorGlow > 0;
    if (m_hasBelow) {
        reset(m_below, pixels, devicePixelRatio);
        StaticLayerPainting::paintBelow(m_below, size, snapshot);
    } else {
        m_below = QImage();
    }
    reset(m_above, pixels, devicePixelRatio);
    StaticLayerPainting::paintAbove(m_above, size, snapshot);

    m_key = key;
    m_valid = true;
    ++m_buildCount;
    return true;
}

void StaticOverlayLayers::copyBelow(QImage& frame, const QRect& rect) const {
    const QRect area = rect.intersected(m_below.rect()).intersected(frame.rect());
    const std::size_t bytes = sizeof(std::uint32_t) * static_cast<std::size_t>(area.width());
    const qsizetype offset = qsizetype(area.left()) * qsizetype(sizeof(std::uint32_t));
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::memcpy(frame.scanLine(y) + offset, m_below.constScanLine(y) + offset, bytes);
}
