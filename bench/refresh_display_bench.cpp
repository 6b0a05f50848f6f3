// RefreshDisplay into a recording surface: a typical DUAL picture (a sine and a square) and the
// heaviest one the knobs allow (120 kHz squares on both channels at 5 ms/div, about 24 000
// segments each).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/ondivel.h"
#include "core/recording_surface.h"
#include "core/testing/fake_platform.h"
#include "core/user_input.h"
#include "meters/frm_toolbox.h"
#include "scope/frm_ondivel.h"
#include "scope/scales.h"
#include "sources/frm_gbf.h"

namespace {

using namespace ondivel;

struct Bench {
    FakePlatform platform{(std::filesystem::temp_directory_path() / "ondivel-bench").string()};
    Ondivel app{platform};

    Bench() {
        FrmOndivel& scope = app.frmOndivel();
        scope.Show();
        user::click(scope.chkOn);
        for (int plug : {0, 1, 2})
            user::click(scope.imgBorne[plug]);
    }

    void square(int side, double amplitude, double frequency) {
        source(side, "Carre", amplitude, frequency);
        app.frmToolBox().optConnexion[side == SideA ? 1 : 10].Value = 1;
        FrmGBF& gbf = app.frmGBF(side);
        gbf.chkOn.Caption = "Off";
        gbf.Potentio[2].Max = 100;
        gbf.Potentio[2].Value = 30;
        gbf.Potentio[3].Max = 200;
        gbf.Potentio[3].Value = 100;
        gbf.shpSignal[1].FillColor = kLampOn;
    }

    void source(int side, const char* keyword, double amplitude, double frequency) {
        Globals& g = app.g;
        (side == SideA ? g.SignalA : g.SignalB) = keyword;
        (side == SideA ? g.AmplitudeA : g.AmplitudeB) = amplitude;
        (side == SideA ? g.FrequenceA : g.FrequenceB) = frequency;
        (side == SideA ? g.SourceBrancheeA : g.SourceBrancheeB) = true;
    }

    std::size_t segments() const {
        return static_cast<const RecordingSurface&>(app.frmOndivel().screen()).countLines();
    }
};

void BM_RefreshDualSineAndSquare(benchmark::State& state) {
    Bench bench;
    bench.source(SideA, "Sinus", 5, 1000);
    bench.square(SideB, 3, 700);
    for (auto _ : state)
        bench.app.RefreshDisplay();
    state.counters["segments"] = static_cast<double>(bench.segments());
}
BENCHMARK(BM_RefreshDualSineAndSquare)->Unit(benchmark::kMicrosecond);

void BM_RefreshWorstCaseSquares(benchmark::State& state) {
    Bench bench;
    bench.square(SideA, 5, 120000);
    bench.square(SideB, 5, 120000);
    user::drag(bench.app.frmOndivel().Potentio[KnobTimeBase], 6); // 5 ms/div
    for (auto _ : state)
        bench.app.RefreshDisplay();
    state.counters["segments"] = static_cast<double>(bench.segments());
}
BENCHMARK(BM_RefreshWorstCaseSquares)->Unit(benchmark::kMillisecond);

} // namespace
