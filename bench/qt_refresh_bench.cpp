// RefreshDisplay painted into the desktop program's QtSurface at the panel's size and at full HD,
// beside the same pictures into a RecordingSurface, so the cost of painting can be quoted as a
// ratio: a typical DUAL picture (a sine and a square) and the heaviest one the knobs allow
// (120 kHz squares on both channels at 5 ms/div).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QSize>
#include <filesystem>

#include "bench_scene.h"
#include "ui/surface/qt_surface.h"

namespace {

using namespace ondivel;

// The scripted platform, except that pictures are QtSurfaces of one size (none: recording).
class PaintingPlatform : public FakePlatform {
  public:
    PaintingPlatform(const std::string& root, QSize pixels) : FakePlatform(root), pixels_(pixels) {}
    std::unique_ptr<Surface> createSurface(int widthPixels, int heightPixels) override {
        if (pixels_.isEmpty()) return FakePlatform::createSurface(widthPixels, heightPixels);
        return std::make_unique<QtSurface>(pixels_);
    }

  private:
    QSize pixels_;
};

// A fresh platform per benchmark: the surfaces take its size.
struct Bench {
    PaintingPlatform platform;
    BenchScene scene{platform};
    explicit Bench(QSize pixels)
        : platform((std::filesystem::temp_directory_path() / "ondivel-qt-bench").string(), pixels) {}
};

// state.range(0) × state.range(1) pixels; 0 × 0 records instead of painting.
QSize pixelsOf(const benchmark::State& state) {
    return QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
}

void BM_DualSineAndSquare(benchmark::State& state) {
    Bench bench(pixelsOf(state));
    bench.scene.dualSineAndSquare();
    for (auto _ : state)
        bench.scene.app.RefreshDisplay();
}
BENCHMARK(BM_DualSineAndSquare)
    ->ArgNames({"w", "h"})
    ->Args({0, 0})
    ->Args({1000, 800})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMicrosecond);

void BM_WorstCaseSquares(benchmark::State& state) {
    Bench bench(pixelsOf(state));
    bench.scene.worstCaseSquares();
    for (auto _ : state)
        bench.scene.app.RefreshDisplay();
}
BENCHMARK(BM_WorstCaseSquares)
    ->ArgNames({"w", "h"})
    ->Args({0, 0})
    ->Args({1000, 800})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
