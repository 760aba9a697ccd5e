#pragma once

#include "render/drawing/DrawingColor.h"

// One colour stop of a gradient; location 0 is the gradient's start, 1 its end.
struct GradientStop {
    DrawingColor color;
    double location = 0;

    bool operator==(const GradientStop&) const = default;
};
