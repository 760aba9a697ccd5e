#include "render/layers/DustNoise.h"
#include "render/layers/PixelFlicker.h"
#include "support/RenderTestSupport.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {
using Ops = std::vector<RecordingDrawingContext::Operation>;
using RenderTestSupport::allZeroBut;

Ops flickerOps(QSizeF size, double cell, double intensity, double time,
               FlickerMode mode = FlickerMode::soft) {
    RecordingDrawingContext context;
    drawPixelFlicker(context, size.width(), size.height(), cell,
                     allZeroBut({{Setting::flickerIntensity, intensity}}, mode), time);
    return context.operations();
}

Ops dustOps(QSizeF size, double strength, double time) {
    RecordingDrawingContext context;
    drawDustNoise(context, size.width(), size.height(),
                  allZeroBut({{Setting::dustNoise, strength}}), time);
    return context.operations();
}

bool isWhite(const RecordingDrawingContext::Operation& op) {
    return op.shading.solidColor().red == 1;
}

bool same(const Ops& a, const Ops& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.path == y.path && x.shading == y.shading;
    });
}

TEST(NoiseLayers, CountsFollowModeAndStrengthWithFloorAndCeiling) {
    const QSizeF screen(1920, 1080);
    EXPECT_EQ(flickerOps(screen, 4, 1, 50).size(), 1296u);
    EXPECT_EQ(flickerOps(screen, 4, 1, 50, FlickerMode::pulse).size(), 1400u);
    EXPECT_EQ(flickerOps(screen, 4, 1, 50, FlickerMode::jitter).size(), 1400u);
    EXPECT_EQ(flickerOps({200, 100}, 10, 0.001, 50).size(), 1u);
    EXPECT_EQ(dustOps(screen, 1, 3).size(), 160u);
    EXPECT_EQ(dustOps(screen, 0.1, 3).size(), 26u);
    EXPECT_EQ(dustOps(screen, 0.0001, 3).size(), 1u);
}

TEST(PixelFlicker, FlashesComeFromTheSeededGeneratorInOrderInsideWholeCells) {
    // 1920 x 1080 at c = 4, soft, t = 100.5: tick 1206, which is 0 mod 3.
    const Ops ops = flickerOps({1920, 1080}, 4, 1, 100.5);
    EXPECT_EQ(ops[0].path, DrawingPath::rectangle({203 * 4, 40 * 4, 4, 4}));
    EXPECT_NEAR(ops[0].shading.solidColor().opacity, 0.1762875, 1e-12);
    EXPECT_EQ(ops[1].path, DrawingPath::rectangle({32 * 4, 91 * 4, 4, 4}));
    EXPECT_NEAR(ops[1].shading.solidColor().opacity, 0.342675, 1e-12);

    // One flash in three is white; which ones moves on with the tick.
    for (int tick = 1206; tick < 1209; ++tick) {
        const Ops tickOps = flickerOps({1920, 1080}, 4, 1, (tick + 0.5) / 12);
        for (std::size_t k = 0; k < 30; ++k)
            EXPECT_EQ(isWhite(tickOps[k]), (k + tick % 3) % 3 == 0) << tick << " " << k;
    }
    for (const auto& op : flickerOps({103, 57}, 10, 1, 7, FlickerMode::jitter)) {
        EXPECT_TRUE(QRectF(0, 0, 100, 50).contains(op.path.rect()));
        const double opacity = op.shading.solidColor().opacity;
        EXPECT_TRUE(opacity >= 0.25 * 0.85 && opacity <= 0.99925 * 0.85 + 1e-12) << opacity;
    }
}

TEST(DustNoise, DotsComeFromTheSeededGenerator) {
    // t = 100.5: tick 1809 on a 1920 x 1080 canvas.
    const Ops ops = dustOps({1920, 1080}, 1, 100.5);
    EXPECT_EQ(ops[0].path, DrawingPath::ellipse({444, 19, 2, 2}));
    EXPECT_NEAR(ops[0].shading.solidColor().opacity, 0.508, 1e-12);
    EXPECT_EQ(ops[1].path, DrawingPath::ellipse({1029, 224, 2, 2}));
    EXPECT_NEAR(ops[1].shading.solidColor().opacity, 0.304, 1e-12);
    for (std::size_t k = 0; k < ops.size(); ++k) {
        EXPECT_EQ(isWhite(ops[k]), k % 4 == 0) << k;
        const QRectF dot = ops[k].path.rect();
        EXPECT_TRUE(dot.width() >= 1 && dot.width() <= 3) << k;
        EXPECT_EQ(dot.left(), std::floor(dot.left()));
        EXPECT_TRUE(dot.left() < 1920 && dot.top() < 1080) << k;
    }
}

// Each noise keeps its pattern for one tick: flicker 12, 8 or 24 a second by
// mode, dust 18. Another canvas size gives another pattern.
TEST(NoiseLayers, PatternHoldsForATickAndDiffersBetweenSizes) {
    using Draw = std::function<Ops(QSizeF, double)>;
    const auto flashes = [](FlickerMode mode) -> Draw {
        return [mode](QSizeF size, double time) { return flickerOps(size, 4, 0.7, time, mode); };
    };
    const struct {
        Draw draw;
        double ticksPerSecond;
    } cases[] = {{flashes(FlickerMode::soft), 12},
                 {flashes(FlickerMode::pulse), 8},
                 {flashes(FlickerMode::jitter), 24},
                 {[](QSizeF size, double time) { return dustOps(size, 1, time); }, 18}};
    const QSizeF size(1280, 800);
    for (const auto& c : cases) {
        const double last = 1000 + 1 / c.ticksPerSecond - 0.001;
        EXPECT_TRUE(same(c.draw(size, 1000.001), c.draw(size, last))) << c.ticksPerSecond;
        EXPECT_FALSE(same(c.draw(size, last), c.draw(size, last + 0.002))) << c.ticksPerSecond;
        EXPECT_FALSE(same(c.draw(size, 1000), c.draw({1284, 800}, 1000))) << c.ticksPerSecond;
        EXPECT_FALSE(same(c.draw(size, 1000), c.draw({1280, 804}, 1000))) << c.ticksPerSecond;
    }
    // Before the reference date the tick is 0 and the pattern stands still.
    const Draw soft = flashes(FlickerMode::soft);
    EXPECT_TRUE(same(soft(size, -5), soft(size, -5000)));
    EXPECT_TRUE(same(soft(size, -5), soft(size, 0.05)));
}
} // namespace
