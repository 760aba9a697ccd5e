#include "app/PresentedDamage.h"

#include <algorithm>
#include <climits>

std::vector<QRect> presentedDamage(const QRegion& changed, QSize pixels) {
    constexpr qsizetype pixelsPerRect = 4096;
    const std::size_t budget = std::size_t(std::clamp<qsizetype>(
        qsizetype(pixels.width()) * pixels.height() / pixelsPerRect, 64, 512));

    std::vector<QRect> rects;
    // The rectangles the band above and this band reach, left to right; a
    // piece can only continue one that ends on the row above it.
    std::vector<std::size_t> above, current;
    std::size_t next = 0;
    int bandTop = INT_MIN;
    for (const QRect& rect : changed) {
        if (rect.top() != bandTop) {
            above.swap(current);
            current.clear();
            next = 0;
            bandTop = rect.top();
        }
        while (next < above.size() && rects[above[next]].left() < rect.left())
            ++next;
        if (next < above.size()) {
            QRect& piece = rects[above[next]];
            if (piece.left() == rect.left() && piece.right() == rect.right() &&
                piece.bottom() + 1 == rect.top()) {
                piece.setBottom(rect.bottom());
                current.push_back(above[next]);
                continue;
            }
        }
        if (rects.size() == budget)
            return {changed.boundingRect()};
        current.push_back(rects.size());
        rects.push_back(rect);
    }
    return rects;
}
