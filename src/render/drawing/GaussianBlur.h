#pragma once

#include <QImage>
#include <array>

// A Gaussian-style blur made of three box passes in each direction, on a
// premultiplied ARGB32 image, in device pixels. Pixels beyond the image count as
// transparent. The vertical passes run before the horizontal ones, always, so a
// caller that knows its picture is the same in every column can blur one column
// and get bit-identical results.
class GaussianBlur {
public:
    // sigma: the standard deviation in device pixels.
    explicit GaussianBlur(double sigma);

    // How far, in pixels, one input pixel reaches after all three passes.
    int support() const { return m_radii[0] + m_radii[1] + m_radii[2]; }
    const std::array<int, 3>& radii() const { return m_radii; }

    void blur(QImage& image) const;
    void blurVertically(QImage& image) const;
    void blurHorizontally(QImage& image) const;

private:
    std::array<int, 3> m_radii{};
};
