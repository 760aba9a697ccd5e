#pragma once

#include "render/drawing/DrawingPath.h"
#include "render/drawing/Shading.h"

// The 2-D operations every overlay layer draws with, and nothing more. Every
// operation composites over what is already there (source-over, non-linear
// sRGB); nothing clears or replaces content. Coordinates are points, origin at
// the top-left, y downwards.
class DrawingContext {
public:
    virtual ~DrawingContext() = default;

    // Paints the inside of the path (non-zero winding, antialiased). A line path
    // has no inside.
    virtual void fill(const DrawingPath& path, const Shading& shading) = 0;

    // Paints a band lineWidth wide centred on every segment or edge of the path,
    // with flat ends and mitred corners; the path is covered once, however its
    // segments overlap.
    virtual void stroke(const DrawingPath& path, const Shading& shading, double lineWidth) = 0;

    // Strokes the path through a blurred copy of this context: only what this
    // call draws is blurred, by a Gaussian-style blur of blurRadius points.
    virtual void strokeBlurred(const DrawingPath& path, const Shading& shading, double lineWidth,
                               double blurRadius) = 0;
};
