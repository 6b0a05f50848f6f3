#include "bench/meters/frm_mesures.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "bench/main/mdi_ondivel.h"
#include "bench/meters/measure_text.h"
#include "bench/scope/bench_fixture.h"
#include "bench/scope/scales.h"

namespace ondivel {
namespace {

// clang-format off
struct TextCase { double value; const char* unit; double zeroBelow; const char* text; };
const TextCase kTexts[] = {
    {10,          "V",  0,    "10,0 V"},
    {5 / 1.41421356, "V", 0,  "3,54 V"},   // 5 V peak, r.m.s.
    {-5,          "V",  0,    "-5,00 V"},
    {0.0125,      "V",  0,    "12,5 mV"},
    {123.4,       "V",  0,    "123 V"},
    {0.02,        "s",  0,    "20,0 ms"},
    {5e-6,        "s",  0,    "5,00 µs"},
    {999.96,      "Hz", 0,    "1,00 kHz"}, // rounds up into the next prefix
    {1234567,     "Hz", 0,    "1,23 MHz"},
    {-0.004,      "V",  0.02, "0,00 V"},   // sampling noise around a zero mean
    {0.03,        "V",  0.02, "30,0 mV"},
};
// clang-format on

TEST(MeasureText, ThreeSignificantFiguresWithAPrefixAndADecimalComma) {
    for (const TextCase& c : kTexts)
        EXPECT_EQ(SignificantText(c.value, c.unit, c.zeroBelow), c.text) << c.value << " " << c.unit;
}

// Sensitivity knob positions and time-base knob positions (scales.cpp's tables).
constexpr int k1V = 6, k2V = 5;
constexpr int k5ms = 6, k1ms = 8;

using Lines = std::array<std::string, 7>;

class MeasureTable;
struct MeasureCase {
    const char* name;
    std::function<void(MeasureTable&)> setUp;
    Lines expected; // of the column below
    int column = 0; // 0: CH1, or the sum in ADD; 1: CH2 in DUAL
};
void PrintTo(const MeasureCase& c, std::ostream* os) {
    *os << c.name;
}

// A switched-on scope in DUAL (CH1 in the left column), both channels AC and plugged, the panel
// open; each case sets its sources and knobs. The expected lines are worked out by hand.
class MeasureTable : public testing::Bench, public ::testing::WithParamInterface<MeasureCase> {
  public:
    void SetUp() override {
        switchOnAndPlug();
        app.g.FrequenceCompteur = platform.counterFrequency();
        user::click(app.mdi().Mnu_Mesures);
    }
    using Bench::app;
    using Bench::generator;
    using Bench::source;
    void knob(int index, int value) { user::drag(scope().Potentio[index], value); }
    void couplingDC(int channel) { user::click(scope().cmdACDC[channel]); } // AC → DC
    void nextMode() { user::click(scope().cmdVoie[1]); }
    Lines column(int c) {
        Lines lines;
        for (int row = 0; row < 7; ++row)
            lines[static_cast<std::size_t>(row)] = app.frmMesures().lblMesure[c * 7 + row].Caption;
        return lines;
    }
};

Lines lines(const char* trace, const char* vpp, const char* vmax, const char* vmin, const char* vmoy,
            const char* veff, const char* t, const char* f) {
    const std::string n = std::string(" (") + trace + ") = ";
    return {"Vpp" + n + vpp,   "Vmax" + n + vmax, "Vmin" + n + vmin, "Vmoy" + n + vmoy,
            "Veff" + n + veff, "T" + n + t,       "f" + n + f};
}

// A generator square or triangle of `peak` volts on CH1 at 1 kHz, 1 ms/div, 2 V/div: ten periods.
void wave(MeasureTable& t, const char* keyword, double peak, double dutyKnob, bool squareLamp) {
    t.source(SideA, keyword, peak, 1000);
    t.generator(SideA, dutyKnob, 100, squareLamp);
    t.knob(KnobSensitivityCH1, k2V);
    t.knob(KnobTimeBase, k1ms);
}

const MeasureCase kCases[] = {
    // 2.5 periods of 20 ms on 50 ms; r.m.s. 5/√2 = 3.536.
    {"Sine5VPeak50Hz",
     [](MeasureTable& t) {
         t.source(SideA, "Sinus", 5, 50);
         t.knob(KnobSensitivityCH1, k2V);
         t.knob(KnobTimeBase, k5ms);
     },
     lines("CH1", "10,0 V", "5,00 V", "-5,00 V", "0,00 V", "3,54 V", "20,0 ms", "50,0 Hz")},
    // 25 % at +3 V, 75 % at −3 V: mean −1.5 V, r.m.s. 3 V.
    {"SquareDC",
     [](MeasureTable& t) {
         wave(t, "Carre", 3, 25, true);
         t.couplingDC(0);
     },
     lines("CH1", "6,00 V", "3,00 V", "-3,00 V", "-1,50 V", "3,00 V", "1,00 ms", "1,00 kHz")},
    // AC removes the −1.5 V mean: +4.5 V and −1.5 V, r.m.s. √(0.25·4.5² + 0.75·1.5²) = √6.75 = 2.598.
    {"SquareAC", [](MeasureTable& t) { wave(t, "Carre", 3, 25, true); },
     lines("CH1", "6,00 V", "4,50 V", "-1,50 V", "0,00 V", "2,60 V", "1,00 ms", "1,00 kHz")},
    // Symmetric triangle: r.m.s. 4/√3 = 2.309.
    {"Triangle", [](MeasureTable& t) { wave(t, "Triangle", 4, 50, false); },
     lines("CH1", "8,00 V", "4,00 V", "-4,00 V", "0,00 V", "2,31 V", "1,00 ms", "1,00 kHz")},
    // A battery in DC: a flat line, no period.
    {"Battery",
     [](MeasureTable& t) {
         t.source(SideA, "Cc", 4.5, 0);
         t.knob(KnobSensitivityCH1, k2V);
         t.couplingDC(0);
     },
     lines("CH1", "0,00 V", "4,50 V", "4,50 V", "4,50 V", "4,50 V", "?", "?")},
    // 2 V + 1 V peak in phase at 1 V/div each: 3 V peak, r.m.s. 3/√2 = 2.121.
    {"AddOfTwoSines",
     [](MeasureTable& t) {
         t.source(SideA, "Sinus", 2, 1000);
         t.source(SideB, "Sinus", 1, 1000);
         t.knob(KnobSensitivityCH1, k1V);
         t.knob(KnobSensitivityCH2, k1V);
         t.knob(KnobTimeBase, k1ms);
         t.nextMode(); // DUAL → ADD
     },
     lines("ADD", "6,00 V", "3,00 V", "-3,00 V", "0,00 V", "2,12 V", "1,00 ms", "1,00 kHz")},
    // "-CH2" turns a 25 % square of 3 V in DC upside down: 75 % at +3 V, mean +1.5 V. Its edges
    // fall between samples, where a 1 kHz reading sat on the 999 Hz boundary.
    {"InvertedCH2",
     [](MeasureTable& t) {
         t.source(SideB, "Carre", 3, 1000);
         t.generator(SideB, 25, 100, true);
         t.knob(KnobSensitivityCH2, k2V);
         t.knob(KnobTimeBase, k1ms);
         t.couplingDC(1);
         user::click(t.app.frmOndivel().cmdVoie[2]);
     },
     lines("CH2", "6,00 V", "3,00 V", "-3,00 V", "1,50 V", "3,00 V", "1,00 ms", "1,00 kHz"), 1},
    // 4 V peak at 1 V/div touches the ±4 V edges: drawn on them, so still measured.
    {"SineAtFullScale",
     [](MeasureTable& t) {
         t.source(SideA, "Sinus", 4, 1000);
         t.knob(KnobSensitivityCH1, k1V);
         t.knob(KnobTimeBase, k1ms);
     },
     lines("CH1", "8,00 V", "4,00 V", "-4,00 V", "0,00 V", "2,83 V", "1,00 ms", "1,00 kHz")},
    // 5 V peak at 1 V/div runs past the ±4 V edges: its extremes are unknown, its period is not.
    {"ClippedSine",
     [](MeasureTable& t) {
         t.source(SideA, "Sinus", 5, 1000);
         t.knob(KnobSensitivityCH1, k1V);
         t.knob(KnobTimeBase, k1ms);
     },
     lines("CH1", "?", "?", "?", "?", "?", "1,00 ms", "1,00 kHz")},
};

TEST_P(MeasureTable, ReadsTheTraceAsAPupilWouldByHand) {
    GetParam().setUp(*this);
    app.RefreshDisplay();
    EXPECT_EQ(column(GetParam().column), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Traces, MeasureTable, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

// The panel measures a trace again only when its plan changed. After each change below, its lines
// must be those of the panel opened afresh on the same screen, and differ from the lines before
// (each change is one the screen shows); a plan that missed an input would keep stale lines.
class MeasureAgain : public testing::Bench {};

TEST_F(MeasureAgain, WheneverTheScreenChangesAndOnlyFromWhatItShows) {
    switchOnAndPlug();
    app.g.FrequenceCompteur = platform.counterFrequency();
    harmonicPanelAtRest(SideA);
    source(SideA, "Sinus", 2, 1000);
    source(SideB, "Carre", 2, 500);
    generator(SideB, 25, 100, true);
    user::drag(scope().Potentio[KnobSensitivityCH1], k2V);
    user::drag(scope().Potentio[KnobSensitivityCH2], k2V);
    user::drag(scope().Potentio[KnobTimeBase], k1ms);
    user::click(app.mdi().Mnu_Mesures);
    FrmMesures& panel = app.frmMesures();
    auto captions = [&] {
        std::vector<std::string> c;
        for (int i = 0; i < panel.lblMesure.size(); ++i)
            c.push_back(panel.lblMesure[i].Visible ? panel.lblMesure[i].Caption : "");
        return c;
    };
    FrmHarmonique& harmonics = app.frmHarmonique(SideA);
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"CH1's amplitude", [&] { app.g.AmplitudeA = 3; }},
        {"CH2 in DC", [&] { user::click(scope().cmdACDC[1]); }},
        {"CH2 inverted", [&] { user::click(scope().cmdVoie[2]); }},
        {"CH2's duty cycle", [&] { generator(SideB, 50, 100, true); }},
        {"CH1 on the harmonic generator with a third harmonic",
         [&] {
             source(SideA, "harmo", 2, 1000);
             harmonics.sldAmpli[2].Value = -500;
         }},
        // The same plan for CH1: only the harmonic generator's panel changed.
        {"the third harmonic's level", [&] { harmonics.sldAmpli[2].Value = -250; }},
        {"a time base showing less than a period of CH2",
         [&] { user::drag(scope().Potentio[KnobTimeBase], k1ms + 3); }},
        {"ADD", [&] { user::click(scope().cmdVoie[1]); }},
        {"CH2's amplitude in the sum", [&] { app.g.AmplitudeB = 1; }},
    };
    app.RefreshDisplay();
    std::vector<std::string> before = captions();
    for (const auto& [what, change] : changes) {
        change();
        app.RefreshDisplay();
        const std::vector<std::string> now = captions();
        EXPECT_NE(now, before) << what << " shows on the screen";
        panel.Unload();
        user::click(app.mdi().Mnu_Mesures);
        EXPECT_EQ(now, captions()) << "after " << what;
        before = now;
    }
}

} // namespace
} // namespace ondivel
