#include "app/PresentedDamage.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {
QRegion unionOf(const std::vector<QRect>& rects) {
    QRegion region;
    for (const QRect& rect : rects)
        region += rect;
    return region;
}

// Dots of 3 to 6 pixels scattered over a frame, as dust leaves them.
QRegion dots(int count, QSize frame, quint32 seed) {
    QRandomGenerator random(seed);
    QRegion region;
    for (int i = 0; i < count; ++i) {
        const int side = random.bounded(3, 7);
        region += QRect(random.bounded(frame.width() - side), random.bounded(frame.height() - side),
                        side, side);
    }
    return region;
}
} // namespace

TEST(PresentedDamageTest, ScatteredDotsGoOneRectangleEachAndCoverExactlyWhatChanged) {
    const QSize frame(1920, 1080);
    for (quint32 seed = 1; seed <= 20; ++seed) {
        const QRegion changed = dots(320, frame, seed);
        const std::vector<QRect> rects = presentedDamage(changed, frame);
        ASSERT_EQ(unionOf(rects), changed) << "seed " << seed;
        // Dots sharing rows cut each other into pieces in a region; joined
        // again, there is about one rectangle a dot, within the budget.
        EXPECT_LT(rects.size(), std::size_t(changed.rectCount()));
        EXPECT_LE(rects.size(), std::size_t(330));
    }
    // A band over the dots keeps everything covered too.
    const QRegion banded = dots(200, frame, 7) + QRect(0, 300, 1920, 180);
    EXPECT_EQ(unionOf(presentedDamage(banded, frame)), banded);
}

TEST(PresentedDamageTest, NoiseBeyondTheBudgetGoesAsItsBoundingRectangle) {
    const QRegion changed = dots(2000, QSize(1920, 1080), 3);
    const std::vector<QRect> rects = presentedDamage(changed, QSize(1920, 1080));
    ASSERT_EQ(rects.size(), std::size_t(1));
    EXPECT_EQ(rects.front(), changed.boundingRect());
    // A small frame still gets 64.
    QRegion grid;
    for (int i = 0; i < 60; ++i)
        grid += QRect(i % 20 * 20, i / 20 * 30, 3, 3);
    EXPECT_EQ(presentedDamage(grid, QSize(400, 100)).size(), std::size_t(60));
    EXPECT_TRUE(presentedDamage(QRegion(), QSize(1920, 1080)).empty());
}
