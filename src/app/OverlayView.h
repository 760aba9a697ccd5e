#pragma once

#include "app/OverlayPresenter.h"
#include "app/TickPacer.h"
#include "render/OverlayRenderConfiguration.h"
#include "render/fast/OverlayFrameRenderer.h"

#include <QImage>
#include <QWidget>
#include <memory>
#include <optional>

class FrameClock;
class OverlaySettings;

// The content of an overlay panel: transparent, takes no input, and draws the
// overlay frame for the current time on each tick of its clock. Ticks come at
// most 30 times a second, and only while the picture can change: with every
// moving effect off the view draws once per change of settings or size and its
// clock stops.
class OverlayView : public QWidget {
public:
    OverlayView(OverlaySettings& settings, FrameClock& clock, QWidget* parent = nullptr);

    // Takes a snapshot and the time, and asks for a repaint of what changed.
    void tick();

    bool isClockRunning() const { return m_pacer.isRunning(); }
    int paintedFrames() const { return m_paintedFrames; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void scheduleTick();
    // The frame in device pixels, kept between paints.
    QImage& frame();
    // Paints the region into the frame and hands it to the presenter, past
    // Qt's painting.
    void presentDirectly(const QRegion& region);
    void markShown();
    // Copies the region of the frame into the window's backing image, when
    // the painter paints that image; false when it does not.
    bool copyIntoWindowImage(QPainter& painter, const QImage& frame, const QRegion& region);

    OverlaySettings& m_settings;
    FrameClock& m_clock;
    OverlayFrameRenderer m_renderer;
    TickPacer m_pacer;
    std::unique_ptr<OverlayPresenter> m_presenter;
    QImage m_frame; // without a presenter

    // What the next paint draws, and what the screen shows now.
    OverlayRenderConfiguration m_next;
    double m_nextTime = 0;
    std::optional<OverlayRenderConfiguration> m_shown;
    double m_shownTime = 0;
    QSize m_shownSize;
    int m_paintedFrames = 0;
};
