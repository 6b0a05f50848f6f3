#include "bench/scope/scales.h"

#include <cmath>
#include <filesystem>

#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/renderer.h"
#include "core/format.h"
#include "core/platform.h"
#include "core/surface.h"

namespace ondivel {

// clang-format off
const std::array<ScaleEntry, kTimeBaseCount> kTimeBases{{
    {"0.5 s/div", 0.5},     {"0.2 s/div", 0.2},     {"0.1 s/div", 0.1},
    {"50 ms/div", 0.05},    {"20 ms/div", 0.02},    {"10 ms/div", 0.01},
    {"5 ms/div", 0.005},    {"2 ms/div", 0.002},    {"1 ms/div", 0.001},
    {"0.5 ms/div", 0.0005}, {"0.2 ms/div", 0.0002}, {"0.1 ms/div", 0.0001},
    {"50 µs/div", 0.00005}, {"20 µs/div", 0.00002}, {"10 µs/div", 0.00001},
    {"5 µs/div", 0.000005}, {"2 µs/div", 0.000002}, {"1 µs/div", 0.000001},
}};

const std::array<ScaleEntry, kSensitivityCount> kSensitivities{{
    {"100 V/div", 100},   {"50 V/div", 50},     {"20 V/div", 20},     {"10 V/div", 10},
    {"5 V/div", 5},       {"2 V/div", 2},       {"1 V/div", 1},       {"0.5 V/div", 0.5},
    {"0.2 V/div", 0.2},   {"0.1 V/div", 0.1},   {"50 mV/div", 0.05},  {"20 mV/div", 0.02},
    {"10 mV/div", 0.01},  {"5 mV/div", 0.005},
}};
// clang-format on

double TimeBaseFromIndex(int index) {
    if (index < 0 || index >= kTimeBaseCount) return 0;
    return kTimeBases[static_cast<std::size_t>(index)].value;
}

double SensitivityFromIndex(int index) {
    if (index < 0 || index >= kSensitivityCount) return 0;
    return kSensitivities[static_cast<std::size_t>(index)].value;
}

namespace {
int roundedIndex(double v) {
    return static_cast<int>(RoundHalfEven(v));
}

// One colour component blended towards the screen's: round((trace − screen)·f + screen).
int blend(int trace, int screen, double factor) {
    return static_cast<int>(RoundHalfEven((trace - screen) * factor + screen));
}
} // namespace

void BlendTraceColours(Globals& g) {
    const double f = g.FacteurIntensite;
    g.CouleurA =
        RGB(blend(g.RougeA, g.RougeEcran, f), blend(g.VertA, g.VertEcran, f), blend(g.BleuA, g.BleuEcran, f));
    g.CouleurB =
        RGB(blend(g.RougeB, g.RougeEcran, f), blend(g.VertB, g.VertEcran, f), blend(g.BleuB, g.BleuEcran, f));
}

void ApplyKnob(Ondivel& app, int button, int index) {
    if (button != kLeftButton) return;
    FrmOndivel& scope = app.frmOndivel();
    Globals& g = app.g;
    if (index >= 0 && index < kScopeKnobCount) {
        const Control& knob = scope.Potentio[index];
        const double v = knob.Value, half = knob.Max / 2;
        switch (index) {
        case KnobFocus:
            g.EpaisseurTrace = static_cast<std::int16_t>(RoundHalfEven(std::abs(v - half) + 1));
            scope.screen().setDrawWidth(g.EpaisseurTrace);
            app.renderer().targetScreen().setDrawWidth(
                app.renderer().traceWidth()); // the full-screen view's too
            break;
        case KnobIntensity:
            g.FacteurIntensite = 1 - std::exp(-v);
            BlendTraceColours(g);
            break;
        case KnobPositionH:
            g.PositionH = v - half;
            break;
        case KnobPositionCH1:
            g.PositionCH1 = v - half;
            break;
        case KnobPositionCH2:
            g.PositionCH2 = v - half;
            break;
        case KnobTimeBase:
            scope.cboBaseTemps.setListIndex(roundedIndex(v));
            g.BaseTemps = TimeBaseFromIndex(scope.cboBaseTemps.ListIndex);
            break;
        case KnobSensitivityCH1:
            scope.cboSensibiliteVerticaleA.setListIndex(roundedIndex(v));
            g.SensibiliteCH1 = SensitivityFromIndex(scope.cboSensibiliteVerticaleA.ListIndex);
            break;
        case KnobSensitivityCH2:
            scope.cboSensibiliteVerticaleB.setListIndex(roundedIndex(v));
            g.SensibiliteCH2 = SensitivityFromIndex(scope.cboSensibiliteVerticaleB.ListIndex);
            break;
        default:
            break;
        }
    }
    app.RefreshDisplay();
}

std::string ClickSoundPath(const Ondivel& app) {
    return (std::filesystem::path(app.programFolder()) / "Button Click.wav").string();
}

bool PlayClick(Ondivel& app, const std::string& waveFile) {
    return app.platform().playSound(waveFile);
}

} // namespace ondivel
