#pragma once

#include "render/drawing/DrawingContext.h"

#include <vector>

// Keeps every operation it is given, with its geometry and colours, in order.
// For tests of what the layers draw.
class RecordingDrawingContext final : public DrawingContext {
public:
    struct Operation {
        enum class Kind { fill, stroke, blurredStroke };
        Kind kind = Kind::fill;
        DrawingPath path;
        Shading shading;
        double lineWidth = 0;  // strokes only
        double blurRadius = 0; // blurred strokes only
    };

    void fill(const DrawingPath& path, const Shading& shading) override;
    void stroke(const DrawingPath& path, const Shading& shading, double lineWidth) override;
    void strokeBlurred(const DrawingPath& path, const Shading& shading, double lineWidth,
                       double blurRadius) override;

    const std::vector<Operation>& operations() const { return m_operations; }

private:
    std::vector<Operation> m_operations;
};
