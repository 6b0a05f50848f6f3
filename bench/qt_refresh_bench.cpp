// RefreshDisplay painted into the desktop program's QtSurface at the panel's size and at full HD,
// beside the same pictures into a RecordingSurface, so the cost of painting can be quoted as a
// ratio: a typical DUAL picture (a sine and a square) and the heaviest one the knobs allow
// (120 kHz squares on both channels at 5 ms/div).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QSize>
#include <filesystem>

#include "core/ondivel.h"
#include "core/recording_surface.h"
#include "core/testing/fake_platform.h"
#include "core/user_input.h"
#include "meters/frm_toolbox.h"
#include "scope/frm_ondivel.h"
#include "scope/scales.h"
#include "sources/frm_gbf.h"
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

struct Bench {
    PaintingPlatform platform;
    Ondivel app{platform};

    explicit Bench(QSize pixels)
        : platform((std::filesystem::temp_directory_path() / "ondivel-qt-bench").string(), pixels) {
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
};

// state.range(0) × state.range(1) pixels; 0 × 0 records instead of painting.
QSize pixelsOf(const benchmark::State& state) {
    return QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
}

void BM_DualSineAndSquare(benchmark::State& state) {
    Bench bench(pixelsOf(state));
    bench.source(SideA, "Sinus", 5, 1000);
    bench.square(SideB, 3, 700);
    for (auto _ : state)
        bench.app.RefreshDisplay();
}
BENCHMARK(BM_DualSineAndSquare)
    ->ArgNames({"w", "h"})
    ->Args({0, 0})
    ->Args({1000, 800})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMicrosecond);

void BM_WorstCaseSquares(benchmark::State& state) {
    Bench bench(pixelsOf(state));
    bench.square(SideA, 5, 120000);
    bench.square(SideB, 5, 120000);
    user::drag(bench.app.frmOndivel().Potentio[KnobTimeBase], 6); // 5 ms/div
    for (auto _ : state)
        bench.app.RefreshDisplay();
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
