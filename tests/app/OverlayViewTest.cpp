#include "app/OverlayView.h"
#include "ManualFrameClock.h"
#include "settings/InMemoryPreferenceStore.h"
#include "settings/OverlaySettings.h"
#include "support/RenderTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
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

TEST(OverlayView, MovingLayerDuringADragTicksAtMostThirtyTimesASecond) {
    Fixture f;
    f.settings.setValue(Setting::flickerIntensity, 1.0);
    f.showAndSettle();
    const int before = f.clock.reads;
    QElapsedTimer elapsed;
    elapsed.start();
    // A slider dragged with a change every 5 ms asks for a tick each time.
    for (int i = 0; elapsed.elapsed() < 500; ++i) {
        f.settings.setValue(Setting::gridOpacity, i % 2 ? 0.4 : 0.6);
        QTest::qWait(5);
    }
    // n ticks at least 1/30 s apart span at least (n - 1) / 30 s.
    const int ticks = f.clock.reads - before;
    EXPECT_GE(ticks, 2);
    EXPECT_LE(ticks, elapsed.elapsed() * 30 / 1000 + 1) << elapsed.elapsed() << " ms";
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
        const QImage expected = RenderTestSupport::renderReference(
            QSizeF(f.view.size()), OverlayRenderConfiguration::fromSettings(f.settings),
            f.clock.time);
        EXPECT_LE(RenderTestSupport::maximumChannelDifference(shown, expected), 2)
            << "step " << step;
    }
}
