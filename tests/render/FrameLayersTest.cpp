// What the frame procedure and its geometric layers draw, read back from the
// recording backend.

#include "render/layers/OverlayFrame.h"
#include "render/layers/PhosphorGlow.h"
#include "render/layers/PixelGrid.h"
#include "render/layers/Scanlines.h"
#include "support/RenderTestSupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {
using Kind = RecordingDrawingContext::Operation::Kind;
using RenderTestSupport::allZero;
using RenderTestSupport::allZeroBut;
using RenderTestSupport::everyEffectAtOne;
using RenderTestSupport::recordFrame;

std::vector<double> ys(const DrawingPath& path) {
    std::vector<double> result;
    for (const QLineF& line : path.lines())
        if (line.y1() == line.y2())
            result.push_back(line.y1());
    return result;
}

std::vector<double> xs(const DrawingPath& path) {
    std::vector<double> result;
    for (const QLineF& line : path.lines())
        if (line.x1() == line.x2())
            result.push_back(line.x1());
    return result;
}

// One cell below every floor, one above them all.
TEST(OverlayFrame, WorkedValuesOfCellGlowAndScanlines) {
    struct Row {
        double gridSize, cell, glowSpacing, glowFirst, blur, glowWidth, firstScanline;
    };
    const Row rows[] = {{1, 2, 12, 6, 3, 4, 3.5}, {7, 7, 28, 14, 7, 10.5, 4.5}};
    for (const Row& row : rows) {
        const auto context = recordFrame({200, 200},
                                         allZeroBut({{Setting::gridSize, row.gridSize},
                                                     {Setting::tintHue, 0.6},
                                                     {Setting::tintOpacity, 0.5},
                                                     {Setting::phosphorGlow, 1},
                                                     {Setting::scanlineOpacity, 1}}),
                                         0);
        const auto& ops = context.operations();
        // tint, glow, grid, scanlines, vignette
        ASSERT_EQ(ops.size(), 5u) << row.gridSize;
        EXPECT_EQ(ops[0].shading.solidColor(), DrawingColor::fromHsb(0.6, 0.65, 1, 0.5));
        EXPECT_EQ(ops[1].shading.solidColor(), DrawingColor::fromHsb(0.6, 0.45, 1, 0.18));
        const std::vector<double> glow = ys(ops[1].path);
        ASSERT_GE(glow.size(), 2u);
        EXPECT_EQ(glow[0], row.glowFirst) << row.gridSize;
        EXPECT_EQ(glow[1] - glow[0], row.glowSpacing) << row.gridSize;
        EXPECT_EQ(ops[1].blurRadius, row.blur);
        EXPECT_EQ(ops[1].lineWidth, row.glowWidth);
        EXPECT_EQ(xs(ops[2].path)[1] - xs(ops[2].path)[0], row.cell) << row.gridSize;
        EXPECT_EQ(ys(ops[3].path).front(), row.firstScanline) << row.gridSize;
        EXPECT_EQ(std::pair(ops[2].lineWidth, ops[3].lineWidth), std::pair(1.0, 1.0));
    }
    // Scanlines sit mid-row with halves rounded away; none on tiny canvases.
    EXPECT_EQ(ys(scanlinePath(50, 20, 7)), (std::vector<double>{4.5, 7.5, 11.5, 14.5, 18.5}));
    EXPECT_TRUE(scanlinePath(10, 2.9, 2).isEmpty());
    EXPECT_EQ(ys(scanlinePath(10, 3, 2)), std::vector<double>{3.5});
    EXPECT_TRUE(phosphorGlowPath(10, 5.9, 2).isEmpty());
    EXPECT_EQ(ys(phosphorGlowPath(10, 6, 2)), std::vector<double>{6});
}

TEST(OverlayFrame, GridLinesRunToTheLastWholeCell) {
    const DrawingPath grid = pixelGridPath(40, 9, 4);
    EXPECT_EQ(xs(grid).back(), 40.5) << "k*c + 0.5 past the edge";
    EXPECT_EQ(xs(pixelGridPath(39.9, 9, 4)).back(), 36.5);
    EXPECT_EQ(ys(grid), (std::vector<double>{0.5, 4.5, 8.5}));
    EXPECT_EQ(grid.lines().front(), QLineF(0.5, 0, 0.5, 9));
    EXPECT_EQ(grid.lines().back(), QLineF(0, 8.5, 40, 8.5));
    // A negative extent draws no lines in that direction.
    EXPECT_TRUE(xs(pixelGridPath(-1, 9, 4)).empty());
    EXPECT_EQ(ys(pixelGridPath(-1, 9, 4)).size(), 3u);
}

// Settings at zero, below or NaN skip their layers: the transparent grid and
// the vignette remain.
TEST(OverlayFrame, SkipsEveryLayerNotStrictlyAboveZero) {
    for (const double off : {0.0, -0.5, std::nan("")}) {
        OverlayRenderConfiguration snapshot = everyEffectAtOne();
        snapshot.tintOpacity = snapshot.phosphorGlow = snapshot.horizontalDrift = off;
        snapshot.flickerIntensity = snapshot.dustNoise = snapshot.rollingBand = off;
        snapshot.scanlineOpacity = off;
        snapshot.gridOpacity = 0;
        const auto context = recordFrame({300, 200}, snapshot, 99);
        const auto& ops = context.operations();
        ASSERT_EQ(ops.size(), 2u) << off;
        EXPECT_EQ(ops[0].kind, Kind::stroke);
        EXPECT_EQ(ops[0].shading.solidColor(), DrawingColor::black().withOpacity(0));
        const Shading& vignette = ops[1].shading;
        EXPECT_EQ(ops[1].path, DrawingPath::rectangle(QRectF(0, 0, 300, 200)));
        ASSERT_EQ(vignette.kind(), Shading::Kind::radialGradient);
        EXPECT_EQ(vignette.center(), QPointF(150, 100));
        EXPECT_EQ(vignette.startRadius(), 0);
        EXPECT_DOUBLE_EQ(vignette.endRadius(), 216);
        EXPECT_EQ(vignette.stops(),
                  (std::vector<GradientStop>{{DrawingColor::clear(), 0.62},
                                             {DrawingColor::black().withOpacity(0.08), 1.0}}));
    }
}
TEST(OverlayFrame, SurvivesInputsThatNoClockOrCanvasGives) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const OverlayRenderConfiguration snapshot = everyEffectAtOne();
    for (const double time : {inf, -inf, nan}) {
        const auto context = recordFrame({300, 200}, snapshot, time);
        // Only the time-free layers remain: tint, glow, grid, scanlines, vignette.
        EXPECT_EQ(context.operations().size(), 5u) << time;
    }
    for (const double time : {1e300, -1e300}) {
        const auto context = recordFrame({300, 200}, snapshot, time);
        for (const auto& op : context.operations())
            EXPECT_TRUE(op.path.rect().top() >= -80 && op.path.rect().top() < 200) << time;
    }
    for (const QSizeF size : {QSizeF(inf, 200), QSizeF(300, nan), QSizeF(nan, -inf)})
        EXPECT_TRUE(recordFrame(size, snapshot, 5).operations().empty());

    // A canvas far too large for any screen: the line layers and the cell
    // count give up instead of looping or overflowing; nothing else fails.
    const auto huge = recordFrame({1e15, 1e15}, snapshot, 5);
    for (const auto& op : huge.operations())
        EXPECT_LE(op.path.lines().size(), 2u * 100000u);
    OverlayRenderConfiguration flickerOnly = allZero();
    flickerOnly.flickerIntensity = 1;
    EXPECT_EQ(recordFrame({1e15, 1e15}, flickerOnly, 5).operations().size(), 2u);
    flickerOnly.flickerIntensity = 1e308;
    EXPECT_EQ(recordFrame({640, 400}, flickerOnly, 5).operations().size(), 1402u);
}
} // namespace
