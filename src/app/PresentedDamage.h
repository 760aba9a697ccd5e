#pragma once

#include <QRect>
#include <QRegion>
#include <QSize>
#include <vector>

// The rectangles to tell the display server about for a changed region of a
// frame of the given pixels, one request each, so the compositor recomposes
// only those. A region keeps its rectangles in bands of equal rows, which cuts
// a small shape into a piece per band wherever another shape shares some of
// its rows; here the pieces of equal columns that touch are joined again.
// Every rectangle costs the server and the compositor a little, and their
// damage regions grow with each at a cost that rises with the rectangles
// already there (measured on Xvfb with picom: 2,500 scattered cells cost more
// than twice the whole 1920x1080 frame, 320 dots a small part of it), so
// scattered noise beyond a budget goes as the bounding rectangle.
std::vector<QRect> presentedDamage(const QRegion& changed, QSize pixels);
