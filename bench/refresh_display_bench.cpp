// RefreshDisplay into a recording surface, the core's own cost without painting.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/meters/frm_mesures.h"
#include "core/recording_surface.h"
#include "support/bench_scene.h"

namespace {

using namespace ondivel;

FakePlatform& platform() {
    static FakePlatform p{(std::filesystem::temp_directory_path() / "ondivel-bench").string()};
    return p;
}

std::size_t segments(const BenchScene& scene) {
    return static_cast<const RecordingSurface&>(scene.app.frmOndivel().screen()).countLines();
}

void BM_RefreshDualSineAndSquare(benchmark::State& state) {
    BenchScene scene(platform());
    scene.dualSineAndSquare();
    for (auto _ : state)
        scene.app.RefreshDisplay();
    state.counters["segments"] = static_cast<double>(segments(scene));
}
BENCHMARK(BM_RefreshDualSineAndSquare)->Unit(benchmark::kMicrosecond);

// The same refresh with "Mesures automatiques" open: what sampling and measuring both traces adds.
void BM_RefreshDualSineAndSquareWithMeasures(benchmark::State& state) {
    BenchScene scene(platform());
    scene.dualSineAndSquare();
    scene.app.frmMesures().Show();
    for (auto _ : state)
        scene.app.RefreshDisplay();
    state.counters["segments"] = static_cast<double>(segments(scene));
}
BENCHMARK(BM_RefreshDualSineAndSquareWithMeasures)->Unit(benchmark::kMicrosecond);

void BM_RefreshWorstCaseSquares(benchmark::State& state) {
    BenchScene scene(platform());
    scene.worstCaseSquares();
    for (auto _ : state)
        scene.app.RefreshDisplay();
    state.counters["segments"] = static_cast<double>(segments(scene));
}
BENCHMARK(BM_RefreshWorstCaseSquares)->Unit(benchmark::kMillisecond);

} // namespace
