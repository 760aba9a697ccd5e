#pragma once

#include <QRegion>
#include <QSize>
#include <algorithm>

// The damage to tell the display server about for a changed region of a
// frame of the given pixels: each rectangle on its own, so the compositor
// recomposes only those; but every rectangle costs the server and the
// compositor about as much as this many pixels sent at once (measured on
// Xvfb with picom), and their damage regions grow with each at a cost that
// rises with the rectangles already there, so scattered noise (hundreds of
// cells) goes as its bounding rectangle.
inline QRegion presentedDamage(const QRegion& changed, QSize pixels) {
    constexpr qsizetype pixelsPerRect = 4096;
    const qsizetype rects =
        std::clamp<qsizetype>(qsizetype(pixels.width()) * pixels.height() / pixelsPerRect, 64, 512);
    return changed.rectCount() > rects ? QRegion(changed.boundingRect()) : changed;
}
