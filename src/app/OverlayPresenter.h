#pragma once

#include <QImage>
#include <QRegion>
#include <memory>

class QWidget;

// Sends an overlay panel's frame to its window by the window system's own
// means, where that is cheaper than Qt's painting: one request per changed
// rectangle straight from the frame, with no copy into a backing image.
class OverlayPresenter {
public:
    virtual ~OverlayPresenter() = default;

    // For a panel whose native window exists: a presenter, or null where Qt's
    // painting must serve.
    static std::unique_ptr<OverlayPresenter> create(QWidget& panel);

    // Whether this presenter still draws on the panel's current native window.
    virtual bool drawsOn(const QWidget& panel) const = 0;
    // The image the frame is kept in, pixels in size; it keeps its pixels
    // until the size changes. Safe to draw into once this returns.
    virtual QImage& frame(QSize pixels) = 0;
    // Shows the frame's pixels inside region (device pixels) in the window.
    virtual void present(const QRegion& pixels) = 0;
};
