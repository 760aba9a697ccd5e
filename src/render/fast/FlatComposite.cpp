#include "render/fast/FlatComposite.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {
// x × a / 255 per channel, rounded as the raster engine rounds.
inline std::uint32_t byteMul(std::uint32_t x, std::uint32_t a) {
    std::uint64_t t = ((std::uint64_t(x) | (std::uint64_t(x) << 24)) & 0x00ff00ff00ff00ffULL) * a;
    t = (t + ((t >> 8) & 0x00ff00ff00ff00ffULL) + 0x0080008000800080ULL) >> 8;
    t &= 0x00ff00ff00ff00ffULL;
    return std::uint32_t(t) | std::uint32_t(t >> 24);
}

inline std::uint32_t over(std::uint32_t source, std::uint32_t dest) {
    if (source >= 0xff000000u)
        return source;
    return source == 0 ? dest : source + byteMul(dest, 255 - (source >> 24));
}
} // namespace

void FlatComposite::paint(QImage& frame, const QRect& rect, const QImage* below,
                          const std::vector<MovingLayerPainter::FlatFill>& fills,
                          const QImage& above) {
    const std::size_t bytes = std::size_t(rect.width()) * sizeof(std::uint32_t);
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(frame.scanLine(y)) + rect.left();
        if (below)
            std::memcpy(row, below->constScanLine(y) + rect.left() * 4, bytes);
        else
            std::memset(row, 0, bytes);
        for (const MovingLayerPainter::FlatFill& fill : fills) {
            if (y < fill.pixels.top() || y > fill.pixels.bottom())
                continue;
            const int from = std::max(fill.pixels.left(), rect.left()) - rect.left();
            const int to = std::min(fill.pixels.right(), rect.right()) - rect.left();
            for (int x = from; x <= to; ++x)
                row[x] = over(fill.color, row[x]);
        }
        const auto* top =
            reinterpret_cast<const std::uint32_t*>(above.constScanLine(y)) + rect.left();
        for (int x = 0; x < rect.width(); ++x)
            row[x] = over(top[x], row[x]);
    }
}
