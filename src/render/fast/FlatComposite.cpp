#include "render/fast/FlatComposite.h"

#include <algorithm>
#include <bit>
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

// Four pixels at a time, with the same arithmetic per channel, in vector types
// the compiler maps to the machine's SIMD instructions.
using Bytes = std::uint8_t __attribute__((vector_size(16)));
using Pixels = std::uint32_t __attribute__((vector_size(16)));
using Words = std::uint16_t __attribute__((vector_size(32)));
static_assert(std::endian::native == std::endian::little, "alpha is the fourth byte");

inline Pixels over4(Pixels source, Pixels dest) {
    // Each pixel's inverse alpha in all four of its bytes, by shifts that need
    // no byte shuffle instruction.
    Pixels alpha = source >> 24;
    alpha |= alpha << 8;
    alpha |= alpha << 16;
    Words t =
        __builtin_convertvector(Bytes(dest), Words) * __builtin_convertvector(Bytes(~alpha), Words);
    t = (t + (t >> 8) + 0x80) >> 8;
    return Pixels(Bytes(source) + __builtin_convertvector(t, Bytes));
}

inline Pixels load(const std::uint32_t* pixels) {
    Pixels v;
    std::memcpy(&v, pixels, sizeof v);
    return v;
}

inline void store(std::uint32_t* pixels, Pixels v) {
    std::memcpy(pixels, &v, sizeof v);
}

void colorOver(std::uint32_t* dest, std::uint32_t color, int count) {
    const Pixels source = {color, color, color, color};
    int x = 0;
    for (; x + 4 <= count; x += 4)
        store(dest + x, over4(source, load(dest + x)));
    for (; x < count; ++x)
        dest[x] = over(color, dest[x]);
}

// A shape's antialiased edge: the colour scaled by each pixel's coverage, as
// the painter blends a partly covered pixel.
void maskedColorOver(std::uint32_t* dest, std::uint32_t color, const std::uint32_t* coverage,
                     int count) {
    for (int x = 0; x < count; ++x)
        dest[x] = over(byteMul(color, coverage[x] >> 24), dest[x]);
}

void rowOver(std::uint32_t* dest, const std::uint32_t* source, int count) {
    int x = 0;
    for (; x + 4 <= count; x += 4)
        store(dest + x, over4(load(source + x), load(dest + x)));
    for (; x < count; ++x)
        dest[x] = over(source[x], dest[x]);
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
            if (from <= to && fill.mask)
                maskedColorOver(row + from, fill.color,
                                reinterpret_cast<const std::uint32_t*>(
                                    fill.mask->constScanLine(y - fill.maskOrigin.y())) +
                                    (rect.left() + from - fill.maskOrigin.x()),
                                to - from + 1);
            else if (from <= to)
                colorOver(row + from, fill.color, to - from + 1);
        }
        const auto* top =
            reinterpret_cast<const std::uint32_t*>(above.constScanLine(y)) + rect.left();
        rowOver(row, top, rect.width());
    }
}
