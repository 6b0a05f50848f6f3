// One spectrum drawing into a recording surface: the DUAL scene's two spectra (50 lines and a
// label each, then the overlay), and the ADD merge of the same two channels.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/scope/renderer.h"
#include "bench/scope/spectrum.h"
#include "core/recording_surface.h"
#include "support/bench_scene.h"

namespace {

using namespace ondivel;

FakePlatform& platform() {
    static FakePlatform p{(std::filesystem::temp_directory_path() / "ondivel-bench").string()};
    return p;
}

RecordingSurface& screenOf(BenchScene& scene) {
    return static_cast<RecordingSurface&>(scene.app.frmOndivel().screen());
}

void BM_SpectrumDual(benchmark::State& state) {
    BenchScene scene(platform());
    scene.dualSineAndSquare();
    user::click(scene.app.frmOndivel().chkFFT);
    RecordingSurface& screen = screenOf(scene);
    for (auto _ : state) {
        screen.clear();
        DrawSpectrum(scene.app, 0);
        DrawSpectrum(scene.app, 1);
    }
    state.counters["segments"] = static_cast<double>(screen.countLines());
}
BENCHMARK(BM_SpectrumDual)->Unit(benchmark::kMicrosecond);

void BM_SpectrumSum(benchmark::State& state) {
    BenchScene scene(platform());
    scene.dualSineAndSquare();
    user::click(scene.app.frmOndivel().chkFFT);
    RecordingSurface& screen = screenOf(scene);
    for (auto _ : state) {
        screen.clear();
        DrawSumSpectrum(scene.app);
    }
    state.counters["segments"] = static_cast<double>(screen.countLines());
}
BENCHMARK(BM_SpectrumSum)->Unit(benchmark::kMicrosecond);

} // namespace
