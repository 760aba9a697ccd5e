// Runs an overlay panel through many ticks of moving effects on a real X
// server, with a clock the check sets, and compares what the window holds at
// the end with the frame drawn whole at that time: what was sent rectangle by
// rectangle must add up to the same picture. Prints the worst channel
// difference and exits 1 beyond two levels.
//   e2e-shown-frame-check
#include "app/FrameClock.h"
#include "app/OverlayView.h"
#include "app/XcbReply.h"
#include "render/fast/OverlayFrameRenderer.h"
#include "settings/InMemoryPreferenceStore.h"
#include "settings/OverlaySettings.h"

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <algorithm>
#include <iostream>
#include <xcb/xcb.h>

namespace {
class SetClock : public FrameClock {
public:
    double now() const override { return time; }
    double time = 789'000'000;
};

// The window's pixels as the X server holds them (premultiplied ARGB).
QImage windowPixels(QWidget& window) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11->connection();
    const auto id = xcb_window_t(window.winId());
    XcbReply<xcb_get_image_reply_t> image(
        xcb_get_image_reply(connection,
                            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, id, 0, 0,
                                          uint16_t(window.width()), uint16_t(window.height()), ~0u),
                            nullptr));
    if (!image || image->depth != 32)
        return {};
    return QImage(xcb_get_image_data(image.get()), window.width(), window.height(),
                  QImage::Format_ARGB32_Premultiplied)
        .copy();
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    OverlaySettings settings{std::make_unique<InMemoryPreferenceStore>()};
    const std::pair<Setting, double> values[] = {
        {Setting::tintOpacity, 0.4},   {Setting::scanlineOpacity, 0.6},
        {Setting::rollingBand, 1},     {Setting::rollingBandSpeed, 1},
        {Setting::horizontalDrift, 1}, {Setting::horizontalDriftSpeed, 1},
        {Setting::dustNoise, 1},       {Setting::flickerIntensity, 0.3}};
    for (auto [setting, value] : values)
        settings.setValue(setting, value);
    SetClock clock;
    OverlayView view(settings, clock);
    // The panels get their alpha channel from the window setup, which this skips.
    view.setAttribute(Qt::WA_TranslucentBackground);
    view.resize(320, 240);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view))
        return 2;
    QTest::qWait(200);
    // Three seconds of frames, long enough for the bands to cross the panel.
    for (int frame = 0; frame < 90; ++frame) {
        clock.time += 1.0 / 30;
        view.tick();
        QCoreApplication::processEvents();
    }
    QTest::qWait(200);

    QImage whole(view.size(), QImage::Format_ARGB32_Premultiplied);
    whole.fill(Qt::transparent);
    QPainter painter(&whole);
    OverlayFrameRenderer().paint(painter, QSizeF(view.size()),
                                 OverlayRenderConfiguration::fromSettings(settings), clock.time,
                                 QRegion(whole.rect()));
    painter.end();
    const QImage shown = windowPixels(view);
    if (shown.size() != whole.size())
        return 2;
    // Channel by channel: both are the same size and format, rows unpadded.
    int worst = 0;
    for (qsizetype i = 0; i < whole.sizeInBytes(); ++i)
        worst = std::max(worst, std::abs(whole.constBits()[i] - shown.constBits()[i]));
    std::cout << "frames " << view.paintedFrames() << " worst " << worst << std::endl;
    return worst <= 2 ? 0 : 1;
}
