// The scenes painted into the desktop program's QtSurface, each twice in the same run: the quick
// way the program paints (dense traces reduced to one span per pixel column, only the parts drawn
// on restored at each clear) and the naive way (every segment through one antialiased drawLines,
// the whole background at each clear). A summary at the end gives each scene's naive/quick ratio,
// which holds on a busy machine better than the milliseconds do. Each iteration ends by taking
// the picture, as the screen widget does when it paints, so that the last run of lines is painted.
// A second summary gives what an open measurement panel adds to the plain refresh.
//
//   build/bench/qt_refresh_bench                                  # every scene and size
//   build/bench/qt_refresh_bench --benchmark_filter=WorstCase --benchmark_repetitions=5
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QSize>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "bench/main/mdi_ondivel.h"
#include "bench/meters/frm_mesures.h"
#include "bench/scope/full_screen_scale.h"
#include "support/bench_scene.h"
#include "ui/surface/qt_surface.h"

namespace {

using namespace ondivel;

// The scripted platform, except that pictures are QtSurfaces of one size (none: recording).
class PaintingPlatform : public FakePlatform {
  public:
    PaintingPlatform(const std::string& root, QSize pixels, bool naive, qreal penScale)
        : FakePlatform(root), pixels_(pixels), naive_(naive), penScale_(penScale) {}
    std::unique_ptr<Surface> createSurface(int widthPixels, int heightPixels) override {
        if (pixels_.isEmpty()) return FakePlatform::createSurface(widthPixels, heightPixels);
        auto surface = std::make_unique<QtSurface>(pixels_, penScale_);
        surface->setNaivePainting(naive_);
        return surface;
    }

  private:
    QSize pixels_;
    bool naive_;
    qreal penScale_;
};

// A fresh platform per benchmark: the surfaces take its size and its way of painting.
struct Bench {
    PaintingPlatform platform;
    BenchScene scene{platform};
    QtSurface* screen;
    explicit Bench(const benchmark::State& state)
        : platform((std::filesystem::temp_directory_path() / "ondivel-qt-bench").string(),
                   QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))),
                   state.range(3) != 0,
                   state.range(2) != 0 ? FullScreenScale(static_cast<double>(state.range(1))) : 1.0),
          screen(qtSurfaceOf(&scene.app.frmOndivel().screen())) {}
    // What the screen widget does before showing the picture.
    void show() {
        if (screen) benchmark::DoNotOptimize(screen->image().constBits());
    }
};

// w × h pixels painted quickly (naive 0) or naively (naive 1); 0 × 0 records instead of painting.
// The largest is the full-screen view on a 4K projector or television; with fs 1 its pens and
// texts are magnified with its height as that view shows them (×2.7 at 2160 lines).
void sizes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"w", "h", "fs", "naive"});
    b->Args({0, 0, 0, 0});
    for (auto [w, h] : {std::pair{1000, 800}, std::pair{1920, 1080}, std::pair{3840, 2160}})
        for (int naive : {0, 1})
            b->Args({w, h, 0, naive});
    for (int naive : {0, 1})
        b->Args({3840, 2160, 1, naive});
}

void BM_DualSineAndSquare(benchmark::State& state) {
    Bench bench(state);
    bench.scene.dualSineAndSquare();
    for (auto _ : state) {
        bench.scene.app.RefreshDisplay();
        bench.show();
    }
}
BENCHMARK(BM_DualSineAndSquare)->Apply(sizes)->Unit(benchmark::kMicrosecond);

// The same with "Mesures automatiques" open, painted quickly at 1920 × 1080: compared with the row
// above, what the measurements add to a complete refresh.
void BM_DualSineAndSquareWithMeasures(benchmark::State& state) {
    Bench bench(state);
    bench.scene.dualSineAndSquare();
    bench.scene.app.frmMesures().Show();
    for (auto _ : state) {
        bench.scene.app.RefreshDisplay();
        bench.show();
    }
}
BENCHMARK(BM_DualSineAndSquareWithMeasures)
    ->ArgNames({"w", "h", "fs", "naive"})
    ->Args({1920, 1080, 0, 0})
    ->Unit(benchmark::kMicrosecond);

// The same with "Curseurs de mesure" open: its four dashed cursors drawn over the traces at every
// refresh and their read-out worked out again.
void BM_DualSineAndSquareWithCursors(benchmark::State& state) {
    Bench bench(state);
    bench.scene.dualSineAndSquare();
    user::click(bench.scene.app.mdi().Mnu_Curseurs);
    for (auto _ : state) {
        bench.scene.app.RefreshDisplay();
        bench.show();
    }
}
BENCHMARK(BM_DualSineAndSquareWithCursors)
    ->ArgNames({"w", "h", "fs", "naive"})
    ->Args({1920, 1080, 0, 0})
    ->Unit(benchmark::kMicrosecond);

// Both panels open at once, as a pupil measuring by hand and checking against the automatic
// read-outs has them: what they add together must stay under 0.1 ms.
void BM_DualSineAndSquareWithCursorsAndMeasures(benchmark::State& state) {
    Bench bench(state);
    bench.scene.dualSineAndSquare();
    user::click(bench.scene.app.mdi().Mnu_Curseurs);
    bench.scene.app.frmMesures().Show();
    for (auto _ : state) {
        bench.scene.app.RefreshDisplay();
        bench.show();
    }
}
BENCHMARK(BM_DualSineAndSquareWithCursorsAndMeasures)
    ->ArgNames({"w", "h", "fs", "naive"})
    ->Args({1920, 1080, 0, 0})
    ->Unit(benchmark::kMicrosecond);

// The rows above refresh an unchanged picture, as most refreshes are while a pupil turns another
// panel's knobs; the measurements then keep what they found. Here the time base doubles and halves
// at every refresh, so that both traces are sampled and measured each time.
void turnTimeBase(Bench& bench, bool& back) {
    double& B = bench.scene.app.g.BaseTemps;
    B = back ? B / 2 : B * 2;
    back = !back;
}

void BM_DualSineAndSquareTurning(benchmark::State& state) {
    Bench bench(state);
    bench.scene.dualSineAndSquare();
    bool back = false;
    for (auto _ : state) {
        turnTimeBase(bench, back);
        bench.scene.app.RefreshDisplay();
        bench.show();
    }
}
BENCHMARK(BM_DualSineAndSquareTurning)
    ->ArgNames({"w", "h", "fs", "naive"})
    ->Args({1920, 1080, 0, 0})
    ->Unit(benchmark::kMicrosecond);

void BM_DualSineAndSquareTurningWithMeasures(benchmark::State& state) {
    Bench bench(state);
    bench.scene.dualSineAndSquare();
    bench.scene.app.frmMesures().Show();
    bool back = false;
    for (auto _ : state) {
        turnTimeBase(bench, back);
        bench.scene.app.RefreshDisplay();
        bench.show();
    }
}
BENCHMARK(BM_DualSineAndSquareTurningWithMeasures)
    ->ArgNames({"w", "h", "fs", "naive"})
    ->Args({1920, 1080, 0, 0})
    ->Unit(benchmark::kMicrosecond);

void BM_WorstCaseSquares(benchmark::State& state) {
    Bench bench(state);
    bench.scene.worstCaseSquares();
    for (auto _ : state) {
        bench.scene.app.RefreshDisplay();
        bench.show();
    }
}
BENCHMARK(BM_WorstCaseSquares)->Apply(sizes)->Unit(benchmark::kMicrosecond);

// One tick of tmrXY (interval 1 ms): a frame of 1001 samples on a cleared screen.
void BM_XYFrame(benchmark::State& state) {
    Bench bench(state);
    bench.scene.xyFigure();
    for (auto _ : state) {
        bench.scene.nextXYFrame();
        bench.show();
    }
}
BENCHMARK(BM_XYFrame)->Apply(sizes)->Unit(benchmark::kMicrosecond);

// The console table, then each painted scene's quick and naive CPU times side by side. With
// repetitions, each takes its fastest run: the one the other processes disturbed least.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
            const std::string name = run.benchmark_name();
            const double ms =
                run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
            auto [it, added] = fastest_.try_emplace(name, ms);
            if (!added && ms < it->second) it->second = ms;
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const std::string quick = "/naive:0", naive = "/naive:1";
        std::printf("\n%-44s %12s %12s %8s\n", "CPU time", "quick (ms)", "naive (ms)", "ratio");
        for (const auto& [name, ms] : fastest_) {
            const auto at = name.find(quick);
            if (at == std::string::npos) continue;
            std::string naiveName = name;
            naiveName.replace(at, quick.size(), naive);
            const auto other = fastest_.find(naiveName);
            if (other == fastest_.end() || ms <= 0) continue;
            std::printf("%-44s %12.3f %12.3f %7.1fx\n", name.substr(0, at).c_str(), ms, other->second,
                        other->second / ms);
        }
        // What an open panel adds to the plain scene's refresh of the same size.
        std::printf("\n%-44s %12s %12s %8s\n", "CPU time added", "with (ms)", "plain (ms)", "added");
        for (const auto& [name, ms] : fastest_) {
            const auto with = name.find("With"), args = name.find('/');
            if (with == std::string::npos || args == std::string::npos || with > args) continue;
            const auto plain = fastest_.find(name.substr(0, with) + name.substr(args));
            if (plain == fastest_.end()) continue;
            std::printf("%-44s %12.3f %12.3f %+8.3f\n", name.substr(0, args).c_str(), ms, plain->second,
                        ms - plain->second);
        }
    }

  private:
    std::map<std::string, double> fastest_;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
