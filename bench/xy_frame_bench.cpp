// One XY frame (1001 samples) into a recording surface: the core's cost of one tmrXY tick.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_scene.h"
#include "core/recording_surface.h"
#include "signal/xy_display.h"

namespace {

using namespace ondivel;

FakePlatform& platform() {
    static FakePlatform p{(std::filesystem::temp_directory_path() / "ondivel-bench").string()};
    return p;
}

// Sources set the way their panels would, then XY through the next-mode button (DUAL → ADD → XY).
void intoXY(BenchScene& scene, const char* keywordB) {
    Globals& g = scene.app.g;
    g.SignalA = "Sinus";
    g.AmplitudeA = 4;
    g.FrequenceA = 1000;
    g.SignalB = keywordB;
    g.AmplitudeB = 4;
    g.FrequenceB = 2000;
    g.SourceBrancheeA = g.SourceBrancheeB = true;
    user::click(scene.app.frmOndivel().cmdVoie[1]);
    user::click(scene.app.frmOndivel().cmdVoie[1]);
}

void runFrames(benchmark::State& state, const char* keywordB) {
    BenchScene scene(platform());
    intoXY(scene, keywordB);
    double phase = 0;
    for (auto _ : state) {
        phase += 2000;
        DrawXY(scene.app, phase);
    }
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
