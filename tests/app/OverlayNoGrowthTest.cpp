#include "ManualFrameClock.h"
#include "app/OverlayController.h"
#include "app/OverlayView.h"
#include "settings/InMemoryPreferenceStore.h"
#include "settings/OverlaySettings.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <gtest/gtest.h>
#include <malloc.h>

// Long runs of the overlay's life: switching it on and off, frames following
// frames. Whatever they create must go again.
namespace {
struct Overlay {
    OverlaySettings settings{std::make_unique<InMemoryPreferenceStore>()};
    ManualFrameClock clock;
    QList<QScreen*> screens = QGuiApplication::screens();
    OverlayController controller{settings, clock, [this] { return screens; }};

    Overlay() {
        // Cheap frames that keep each panel's clock running.
        settings.setValue(Setting::gridOpacity, 0.0);
        settings.setValue(Setting::rollingBand, 0.5);
    }
};

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Heap bytes in use, over every malloc arena. Resident size would also count
// what the allocator keeps for reuse (the painting thread pool's arenas settle
// slowly), which is not growth.
long heapBytesInUse() {
    const struct mallinfo2 info = mallinfo2();
    return long(info.uordblks + info.hblkhd);
}

void expectFlat(long warm, long end) {
#if defined(__SANITIZE_ADDRESS__)
    // Freed memory sits in quarantine here; the leak checker watches instead.
    (void)warm;
    (void)end;
#else
    ASSERT_GT(warm, 0);
    EXPECT_LT(end - warm, 256L * 1024) << "grew from " << warm << " to " << end << " bytes";
#endif
}
} // namespace

TEST(OverlayNoGrowth, SwitchingOnAndOffAThousandTimesLeavesNothingBehind) {
    Overlay o;
    const qsizetype widgets = QApplication::allWidgets().size();
    const qsizetype windows = QGuiApplication::allWindows().size();
    // A few rounds first, so lazily made shared things (styles, caches) exist
    // before counting.
    const auto rounds = [&o](int count) {
        for (int i = 0; i < count; ++i) {
            o.settings.setIsEnabled(true);
            settle();
            ASSERT_EQ(o.controller.windows().size(), 2u) << "round " << i;
            o.settings.setIsEnabled(false);
            settle();
        }
    };
    rounds(20);
    const long warm = heapBytesInUse();
    rounds(1000);
    const long end = heapBytesInUse();

    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    EXPECT_EQ(QApplication::allWidgets().size(), widgets);
    EXPECT_EQ(QGuiApplication::allWindows().size(), windows);
    expectFlat(warm, end);
}

TEST(OverlayNoGrowth, TenThousandFramesKeepMemoryFlat) {
    OverlaySettings settings(std::make_unique<InMemoryPreferenceStore>());
    // Every moving layer, so each frame differs from the last.
    settings.setValue(Setting::gridOpacity, 0.0);
    settings.setValue(Setting::flickerIntensity, 0.5);
    settings.setValue(Setting::horizontalDrift, 0.5);
    settings.setValue(Setting::rollingBand, 0.5);
    settings.setValue(Setting::dustNoise, 0.5);
    ManualFrameClock clock;
    clock.time = 786'000'000.0;
    OverlayView view(settings, clock);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize(480, 270);
    view.show();
    settle();

    const auto frames = [&](int count) {
        for (int i = 0; i < count; ++i) {
            clock.time += 1.0 / 30;
            view.tick();
            QCoreApplication::processEvents();
        }
    };
    frames(500);
    const long warm = heapBytesInUse();
    const int paintedBefore = view.paintedFrames();
    frames(10'000);
    const long end = heapBytesInUse();

    EXPECT_GE(view.paintedFrames() - paintedBefore, 10'000);
    expectFlat(warm, end);
}
