#include "support/RecordingDrawingContext.h"

void RecordingDrawingContext::fill(const DrawingPath& path, const Shading& shading) {
    m_operations.push_back({Operation::Kind::fill, path, shading, 0, 0});
}

void RecordingDrawingContext::stroke(const DrawingPath& path, const Shading& shading,
                                     double lineWidth) {
    m_operations.push_back({Operation::Kind::stroke, path, shading, lineWidth, 0});
}

void RecordingDrawingContext::strokeBlurred(const DrawingPath& path, const Shading& shading,
                                            double lineWidth, double blurRadius) {
    m_operations.push_back({Operation::Kind::blurredStroke, path, shading, lineWidth, blurRadius});
}
