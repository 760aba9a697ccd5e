// retroglimmer-bench: renders the same frames through the layer-by-layer
// reference renderer and through the overlay's fast path, at 1920x1080 and
// 3840x2160, and prints milliseconds per frame and the ratio between the two.

#include "FrameAllocationCounter.h"
#include "OverlayFrame.h"
#include "OverlayFrameRenderer.h"
#include "QPainterDrawingContext.h"

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

private:
    std::map<std::string, double> m_milliseconds;
    std::map<std::string, double> m_fastest;
    std::map<std::string, double> m_cpu;
};
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
            benchmark::RegisterBenchmark(
                ("fast/" + suffix).c_str(),
                [=](benchmark::State& state) { fastFrames(state, snapshot, pixels); })
                ->Unit(benchmark::kMillisecond)
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
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary();
    printLoad();
    benchmark::Shutdown();
    return 0;
}
