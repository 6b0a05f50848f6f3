// One XY frame (1001 samples) into a recording surface: the core's cost of one tmrXY tick.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/recording_surface.h"
#include "support/bench_scene.h"

namespace {

using namespace ondivel;

FakePlatform& platform() {
    static FakePlatform p{(std::filesystem::temp_directory_path() / "ondivel-bench").string()};
    return p;
}

void runFrames(benchmark::State& state, const char* keywordB) {
    BenchScene scene(platform());
    scene.xyFigure(keywordB);
    for (auto _ : state)
        scene.nextXYFrame();
    state.counters["segments"] = static_cast<double>(
        static_cast<const RecordingSurface&>(scene.app.frmOndivel().screen()).countLines());
}

void BM_XYFrameSineEight(benchmark::State& state) {
    runFrames(state, "Sinus");
}
BENCHMARK(BM_XYFrameSineEight)->Unit(benchmark::kMicrosecond);

// The harmonic generator reads twenty orders of its panel at every sample.
void BM_XYFrameHarmonic(benchmark::State& state) {
    runFrames(state, "harmo");
}
BENCHMARK(BM_XYFrameHarmonic)->Unit(benchmark::kMicrosecond);

} // namespace
