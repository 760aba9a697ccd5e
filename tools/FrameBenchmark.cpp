// retroglimmer-bench: renders the same frames through the layer-by-layer
// reference renderer and through the overlay's fast path, at 1920x1080 and
// 3840x2160, and prints milliseconds per frame and the ratio between the two.
// Then the frames the overlay paints while running: each one a clock tick
// after the last, only where the picture changed, with the bytes of the
// frame rewritten (and sent on to the window system) per frame.

#include "render/drawing/QPainterDrawingContext.h"
#include "render/fast/OverlayFrameRenderer.h"
#include "render/layers/OverlayFrame.h"
#include "tools/FrameAllocationCounter.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {
struct Scene {
    std::string name;
    OverlayRenderConfiguration snapshot;
};

std::vector<Scene> scenes() {
    std::vector<Scene> result{{"defaults", {}}};
    for (const FlickerMode mode : FlickerMode::allCases()) {
        // Every strength, opacity and speed at 1; the cell size keeps its default.
        OverlayRenderConfiguration all;
        all.gridOpacity = all.scanlineOpacity = all.tintHue = all.tintOpacity = 1;
        all.flickerIntensity = all.phosphorGlow = all.horizontalDrift = 1;
        all.horizontalDriftSpeed = all.rollingBand = all.rollingBandSpeed = all.dustNoise = 1;
        all.flickerMode = mode;
        result.push_back({"every-effect-" + std::string(mode.rawValue()), all});
    }
    return result;
}

constexpr double firstFrameTime = 789000000.0;
constexpr double frameInterval = 1.0 / 30;

QImage surface(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Clearing the surface is the window system's part, not the renderer's.
void clearUntimed(benchmark::State& state, QImage& image) {
    state.PauseTiming();
    image.fill(Qt::transparent);
    state.ResumeTiming();
}

void referenceFrames(benchmark::State& state, const OverlayRenderConfiguration& snapshot,
                     QSize size) {
    QImage image = surface(size);
    double time = firstFrameTime;
    for (auto _ : state) {
        clearUntimed(state, image);
        QPainter painter(&image);
        QPainterDrawingContext context(painter);
        drawOverlayFrame(context, QSizeF(size), snapshot, time);
        painter.end();
        time += frameInterval;
    }
}

void fastFrames(benchmark::State& state, const OverlayRenderConfiguration& snapshot, QSize size) {
    QImage image = surface(size);
    const QRegion whole(QRect(QPoint(0, 0), size));
    OverlayFrameRenderer renderer;
    double time = firstFrameTime;
    {
        QPainter painter(&image); // warm the cached layers
        renderer.paint(painter, QSizeF(size), snapshot, time, whole);
    }
    FrameAllocationCounter allocations;
    for (auto _ : state) {
        clearUntimed(state, image);
        time += frameInterval;
        QPainter painter(&image);
        allocations.start();
        renderer.paint(painter, QSizeF(size), snapshot, time, whole);
        allocations.stop();
    }
    state.counters["allocs/frame"] =
        benchmark::Counter(static_cast<double>(allocations.count()) / state.iterations());
    state.counters["rebuilds"] = renderer.staticLayerBuildCount() - 1;
}

// What the overlay does on each tick: work out the region that changed since
// the last frame and repaint only that into the frame it keeps.
void changedFrames(benchmark::State& state, const OverlayRenderConfiguration& snapshot,
                   QSize size) {
    QImage frame = surface(size);
    OverlayFrameRenderer renderer;
    double time = firstFrameTime;
    renderer.paintInto(frame, QSizeF(size), snapshot, time, QRegion(QRect(QPoint(0, 0), size)));
    double bytes = 0;
    double rects = 0;
    for (auto _ : state) {
        const double previous = time;
        time += frameInterval;
        const QRegion region =
            OverlayFrameRenderer::changedRegion(QSizeF(size), snapshot, previous, time);
        renderer.paintInto(frame, QSizeF(size), snapshot, time, region);
        for (const QRect& rect : region)
            bytes += 4.0 * rect.width() * rect.height();
        rects += region.rectCount();
    }
    state.counters["bytes/frame"] = benchmark::Counter(bytes / state.iterations());
    state.counters["rects/frame"] = benchmark::Counter(rects / state.iterations());
}

// The console report, plus a table of reference against fast at the end.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string name = run.run_name.function_name;
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (single || (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")) {
                m_milliseconds[name] = run.GetAdjustedRealTime();
                m_cpu[name] = run.GetAdjustedCPUTime();
                const auto bytes = run.counters.find("bytes/frame");
                if (bytes != run.counters.end())
                    m_bytes[name] = bytes->second.value;
                const auto rects = run.counters.find("rects/frame");
                if (rects != run.counters.end())
                    m_rects[name] = rects->second.value;
            } else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "min") {
                m_fastest[name] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printSummary() const {
        // Wall-clock milliseconds per frame: the fast path's median and best of
        // its repetitions, and the CPU time of the whole process (all threads)
        // per frame. On a busy machine the best and the CPU time are the nearer
        // to the renderer's own cost.
        std::printf("\n%-21s %-9s %12s %12s %10s %9s %10s %6s\n", "scene", "size", "reference",
                    "fast median", "fast best", "fast CPU", "ref. CPU", "ratio");
        for (const auto& [name, reference] : m_milliseconds) {
            if (name.rfind("reference/", 0) != 0)
                continue;
            const std::string rest = name.substr(std::string("reference/").size());
            const auto fast = m_milliseconds.find("fast/" + rest);
            if (fast == m_milliseconds.end())
                continue;
            const std::size_t slash = rest.find('/');
            const auto best = m_fastest.find("fast/" + rest);
            const std::string fastName = "fast/" + rest;
            std::printf("%-21s %-9s %12.1f %12.3f %10.3f %9.3f %10.1f %5.0fx\n",
                        rest.substr(0, slash).c_str(), rest.substr(slash + 1).c_str(), reference,
                        fast->second, best == m_fastest.end() ? 0.0 : best->second,
                        m_cpu.at(fastName), m_cpu.at(name), reference / fast->second);
        }
    }

    // The frames a running overlay paints: median, best and CPU milliseconds,
    // megabytes rewritten and rectangles (each a request to the X server), per
    // frame.
    void printChangedSummary() const {
        std::printf("\n%-21s %-9s %12s %10s %9s %12s %12s\n", "changed region", "size", "median",
                    "best", "CPU", "MB/frame", "rects/frame");
        for (const auto& [name, bytes] : m_bytes) {
            const std::string rest = name.substr(name.find('/') + 1);
            const std::size_t slash = rest.find('/');
            const auto best = m_fastest.find(name);
            std::printf("%-21s %-9s %12.3f %10.3f %9.3f %12.2f %12.0f\n",
                        rest.substr(0, slash).c_str(), rest.substr(slash + 1).c_str(),
                        m_milliseconds.at(name), best == m_fastest.end() ? 0.0 : best->second,
                        m_cpu.at(name), bytes / 1e6, m_rects.at(name));
        }
    }

private:
    std::map<std::string, double> m_bytes;
    std::map<std::string, double> m_rects;
    std::map<std::string, double> m_milliseconds;
    std::map<std::string, double> m_fastest;
    std::map<std::string, double> m_cpu;
};
// Repeated runs, reported by their median and their best.
void repeated(benchmark::internal::Benchmark* benchmark) {
    benchmark->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->MeasureProcessCPUTime()
        ->MinTime(0.3)
        ->Repetitions(7)
        ->ComputeStatistics("min",
                            [](const std::vector<double>& times) {
                                return *std::min_element(times.begin(), times.end());
                            })
        ->ReportAggregatesOnly(true);
}

// Other work on the machine slows every figure; say how much there was.
void printLoad() {
    if (std::FILE* file = std::fopen("/proc/loadavg", "r")) {
        double minute = 0;
        if (std::fscanf(file, "%lf", &minute) == 1)
            std::printf("load average over the last minute: %.2f\n", minute);
        std::fclose(file);
    }
}
} // namespace

int main(int argc, char** argv) {
    const std::vector<std::pair<std::string, QSize>> sizes = {{"1920x1080", {1920, 1080}},
                                                              {"3840x2160", {3840, 2160}}};
    for (const Scene& scene : scenes()) {
        for (const auto& [sizeName, size] : sizes) {
            const std::string suffix = scene.name + "/" + sizeName;
            const OverlayRenderConfiguration snapshot = scene.snapshot;
            const QSize pixels = size;
            benchmark::RegisterBenchmark(
                ("reference/" + suffix).c_str(),
                [=](benchmark::State& state) { referenceFrames(state, snapshot, pixels); })
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->MeasureProcessCPUTime()
                ->Iterations(pixels.width() > 2000 ? 1 : 3);
            repeated(benchmark::RegisterBenchmark(
                ("fast/" + suffix).c_str(),
                [=](benchmark::State& state) { fastFrames(state, snapshot, pixels); }));
        }
    }
    for (const Scene& scene : scenes()) {
        if (!OverlayFrameRenderer::isAnimated(scene.snapshot))
            continue; // nothing changes, nothing is painted
        for (const auto& [sizeName, size] : sizes) {
            const OverlayRenderConfiguration snapshot = scene.snapshot;
            const QSize pixels = size;
            repeated(benchmark::RegisterBenchmark(
                ("changed/" + scene.name + "/" + sizeName).c_str(),
                [=](benchmark::State& state) { changedFrames(state, snapshot, pixels); }));
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary();
    reporter.printChangedSummary();
    printLoad();
    benchmark::Shutdown();
    return 0;
}
