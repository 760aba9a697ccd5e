#include "StaticOverlayLayers.h"

#include "OverlayFrame.h"
#include "StaticLayerPainting.h"

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
    key.cell = overlayCellSize(snapshot);
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
    findEvenRows();
    reset(m_above, pixels, devicePixelRatio);
    StaticLayerPainting::paintAbove(m_above, size, snapshot);

    m_key = key;
    m_valid = true;
    ++m_buildCount;
    return true;
}

void StaticOverlayLayers::findEvenRows() {
    m_rowColors.clear();
    m_evenLeft = 0;
    m_evenRight = m_below.width() - 1;
    if (m_below.isNull())
        return;
    const int middle = m_below.width() / 2;
    for (int y = 0; y < m_below.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(m_below.constScanLine(y));
        const std::uint32_t color = row[middle];
        int left = middle, right = middle;
        while (left > m_evenLeft && row[left - 1] == color)
            --left;
        while (right < m_evenRight && row[right + 1] == color)
            ++right;
        m_evenLeft = left;
        m_evenRight = right;
        m_rowColors.push_back(color);
    }
}

void StaticOverlayLayers::copyBelow(QImage& frame, const QRect& rect) const {
    const QRect area = rect.intersected(m_below.rect()).intersected(frame.rect());
    const auto copy = [&](std::uint32_t* to, const std::uint32_t* from, int first, int last) {
        if (last >= first)
            std::memcpy(to + first, from + first, sizeof(std::uint32_t) * (last - first + 1));
    };
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* to = reinterpret_cast<std::uint32_t*>(frame.scanLine(y));
        const auto* from = reinterpret_cast<const std::uint32_t*>(m_below.constScanLine(y));
        const int evenFirst = std::max(area.left(), m_evenLeft);
        const int evenLast = std::min(area.right(), m_evenRight);
        copy(to, from, area.left(), std::min(area.right(), evenFirst - 1));
        if (evenLast >= evenFirst)
            std::fill(to + evenFirst, to + evenLast + 1, m_rowColors[y]);
        copy(to, from, std::max(area.left(), evenLast + 1), area.right());
    }
}
