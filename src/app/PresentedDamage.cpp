#include "app/PresentedDamage.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

std::vector<QRect> presentedDamage(const QRegion& changed, QSize pixels) {
    constexpr qsizetype pixelsPerRect = 4096;
    const std::size_t budget = std::size_t(
        std::clamp<qsizetype>(qsizetype(pixels.width()) * pixels.height() / pixelsPerRect, 64, 512));

    std::vector<QRect> rects;
    rects.reserve(std::size_t(changed.rectCount()));
    // By columns, the rectangle last started for them; bands come top down.
    std::unordered_map<std::uint64_t, std::size_t> open;
    for (const QRect& rect : changed) {
        const std::uint64_t columns =
            std::uint64_t(std::uint32_t(rect.left())) << 32 | std::uint32_t(rect.right());
        const auto [it, added] = open.try_emplace(columns, rects.size());
        if (!added && rects[it->second].bottom() + 1 == rect.top()) {
            rects[it->second].setBottom(rect.bottom());
            continue;
        }
        it->second = rects.size();
        rects.push_back(rect);
        if (rects.size() > budget)
            return {changed.boundingRect()};
    }
    return rects;
}
