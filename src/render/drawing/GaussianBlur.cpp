#include "render/drawing/GaussianBlur.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {
// Box widths whose three-fold convolution has the given standard deviation.
std::array<int, 3> boxRadii(double sigma) {
    std::array<int, 3> radii{};
    if (!(sigma > 0.5) || !std::isfinite(sigma))
        return radii;
    sigma = std::min(sigma, 4096.0);
    constexpr int passes = 3;
    const double ideal = std::sqrt(12 * sigma * sigma / passes + 1);
    int lower = static_cast<int>(std::floor(ideal));
    if (lower % 2 == 0)
        --lower;
    const int upper = lower + 2;
    const double m =
        (12 * sigma * sigma - passes * lower * lower - 4 * passes * lower - 3 * passes) /
        (-4 * lower - 4);
    const int lowerCount = static_cast<int>(std::lround(m));
    for (int i = 0; i < passes; ++i)
        radii[i] = ((i < lowerCount ? lower : upper) - 1) / 2;
    return radii;
}

inline void addPixel(std::uint32_t* sums, std::uint32_t pixel) {
    sums[0] += pixel & 0xff;
    sums[1] += (pixel >> 8) & 0xff;
    sums[2] += (pixel >> 16) & 0xff;
    sums[3] += pixel >> 24;
}

inline void subtractPixel(std::uint32_t* sums, std::uint32_t pixel) {
    sums[0] -= pixel & 0xff;
    sums[1] -= (pixel >> 8) & 0xff;
    sums[2] -= (pixel >> 16) & 0xff;
    sums[3] -= pixel >> 24;
}

inline std::uint32_t average(const std::uint32_t* sums, std::uint32_t count) {
    const std::uint32_t half = count / 2;
    return ((sums[0] + half) / count) | (((sums[1] + half) / count) << 8) |
           (((sums[2] + half) / count) << 16) | (((sums[3] + half) / count) << 24);
}

std::uint32_t* row(QImage& image, int y) {
    return reinterpret_cast<std::uint32_t*>(image.scanLine(y));
}

// One box pass down every column at once, a row at a time. A ring of the last
// rows keeps the originals that the window still has to subtract.
void verticalPass(QImage& image, int radius) {
    const int width = image.width();
    const int height = image.height();
    const auto count = static_cast<std::uint32_t>(2 * radius + 1);
    const int ringRows = radius + 2;
    std::vector<std::uint32_t> sums(static_cast<std::size_t>(width) * 4, 0);
    std::vector<std::uint32_t> ring(static_cast<std::size_t>(width) * ringRows);
    for (int y = 0; y < std::min(radius, height); ++y) {
        const std::uint32_t* in = row(image, y);
        for (int x = 0; x < width; ++x)
            addPixel(&sums[4 * x], in[x]);
    }
    for (int y = 0; y < height; ++y) {
        if (y + radius < height) {
            const std::uint32_t* in = row(image, y + radius);
            for (int x = 0; x < width; ++x)
                addPixel(&sums[4 * x], in[x]);
        }
        if (y - radius - 1 >= 0) {
            const std::uint32_t* out =
                &ring[static_cast<std::size_t>((y - radius - 1) % ringRows) * width];
            for (int x = 0; x < width; ++x)
                subtractPixel(&sums[4 * x], out[x]);
        }
        std::uint32_t* current = row(image, y);
        std::copy_n(current, width, &ring[static_cast<std::size_t>(y % ringRows) * width]);
        for (int x = 0; x < width; ++x)
            current[x] = average(&sums[4 * x], count);
    }
}

void horizontalPass(QImage& image, int radius) {
    const int width = image.width();
    const auto count = static_cast<std::uint32_t>(2 * radius + 1);
    std::vector<std::uint32_t> line(static_cast<std::size_t>(width));
    for (int y = 0; y < image.height(); ++y) {
        std::uint32_t* pixels = row(image, y);
        std::copy_n(pixels, width, line.begin());
        std::uint32_t sums[4] = {0, 0, 0, 0};
        for (int x = 0; x < std::min(radius, width); ++x)
            addPixel(sums, line[x]);
        for (int x = 0; x < width; ++x) {
            if (x + radius < width)
                addPixel(sums, line[x + radius]);
            if (x - radius - 1 >= 0)
                subtractPixel(sums, line[x - radius - 1]);
            pixels[x] = average(sums, count);
        }
    }
}
} // namespace

GaussianBlur::GaussianBlur(double sigma)
    : m_radii(boxRadii(sigma)) {}

void GaussianBlur::blur(QImage& image) const {
    blurVertically(image);
    blurHorizontally(image);
}

void GaussianBlur::blurVertically(QImage& image) const {
    for (int radius : m_radii)
        if (radius > 0)
            verticalPass(image, radius);
}

void GaussianBlur::blurHorizontally(QImage& image) const {
    for (int radius : m_radii)
        if (radius > 0)
            horizontalPass(image, radius);
}
