#include "app/OverlayView.h"
#include "ManualFrameClock.h"
#include "render/drawing/QPainterDrawingContext.h"
#include "render/layers/OverlayFrame.h"
#include "settings/InMemoryPreferenceStore.h"
#include "settings/OverlaySettings.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {
struct Fixture {
    OverlaySettings settings{std::make_unique<InMemoryPreferenceStore>()};
    ManualFrameClock clock;
    OverlayView view{settings, clock};

    Fixture() {
        clock.time = 786'000'000.25;
        view.setAttribute(Qt::WA_DontShowOnScreen);
        view.resize(320, 200);
    }

    void showAndSettle() {
        view.show();
        QCoreApplication::processEvents();
    }
    int paintsAfter(const std::function<void()>& action) {
        const int before = view.paintedFrames();
        action();
        QCoreApplication::processEvents();
        return view.paintedFrames() - before;
    }
};

QImage referenceFrame(const OverlaySettings& settings, QSize size, double time) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QPainterDrawingContext context(painter);
    drawOverlayFrame(context, QSizeF(size), OverlayRenderConfiguration::fromSettings(settings),
                     time);
    return image;
}

int largestChannelDifference(const QImage& a, const QImage& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    return worst;
}
} // namespace

TEST(OverlayView, StillPictureDrawsOncePerChangeAndStopsItsClock) {
    Fixture f;
    f.showAndSettle();
    EXPECT_GE(f.view.paintedFrames(), 1);
    EXPECT_FALSE(f.view.isClockRunning());
    EXPECT_EQ(f.paintsAfter([&] { f.clock.time += 5; }), 0);

    // A change of settings draws again, even though the clock had stopped.
    f.settings.setValue(Setting::gridOpacity, 0.8);
    EXPECT_TRUE(f.view.isClockRunning());
    QTest::qWait(80);
    EXPECT_GE(f.view.paintedFrames(), 2);
    EXPECT_FALSE(f.view.isClockRunning());
}

TEST(OverlayView, MovingLayerKeepsTheClockRunningAndRepaintsOnlyOnNewTicks) {
    Fixture f;
    f.settings.setValue(Setting::flickerIntensity, 1.0);
    f.showAndSettle();
    EXPECT_TRUE(f.view.isClockRunning());
    // Same flicker tick, no band: nothing to draw.
    EXPECT_EQ(f.paintsAfter([&] { f.view.tick(); }), 0);
    // The next soft-flicker tick (12 per second) changes the picture.
    EXPECT_EQ(f.paintsAfter([&] {
        f.clock.time += 1.0 / 12;
        f.view.tick();
    }),
              1);
    f.settings.setValue(Setting::flickerIntensity, 0.0);
    QTest::qWait(80);
    EXPECT_FALSE(f.view.isClockRunning());
}

TEST(OverlayView, DrawsWhatTheReferenceRendererDraws) {
    Fixture f;
    f.settings.setValue(Setting::tintOpacity, 0.4);
    f.settings.setValue(Setting::scanlineOpacity, 0.6);
    f.settings.setValue(Setting::dustNoise, 0.5);
    f.settings.setValue(Setting::rollingBand, 1.0);
    f.showAndSettle();
    for (int step = 0; step < 3; ++step) {
        f.clock.time += 0.37;
        f.view.tick();
        QCoreApplication::processEvents();
        const QImage shown =
            f.view.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage expected = referenceFrame(f.settings, f.view.size(), f.clock.time)
                                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_LE(largestChannelDifference(shown, expected), 2) << "step " << step;
    }
}
