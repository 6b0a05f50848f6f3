// Exercise lines as a teacher may type them, drawn: each oscillogram line the evaluation accepts
// goes onto the evaluated bench and through the whole refresh (every display mode, the spectrum,
// an XY frame and steps of the slow sweep) at time bases, sensitivities and modes the line itself
// picks. Whatever the numbers, the drawing stays within a bounded number of segments, every one
// with finite coordinates a painter can take.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "bench/scope/dense_trace.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/renderer.h"
#include "bench/scope/scales.h"
#include "bench/scope/sweep.h"
#include "bench/scope/xy_display.h"
#include "core/recording_surface.h"
#include "core/user_input.h"
#include "files/exercise_line.h"
#include "files/exercise_reader.h"
#include "files/testing/fake_platform.h"
#include "fuzz_support.h"

using namespace ondivel;
using ondivel::fuzz::require;

namespace {

// Two bands of 8001 segments, or two traces of some 32 000 (the densest drawn period by period).
constexpr std::size_t kMostSegments = 70000;
constexpr int kLinesPerInput = 3;

struct Bench {
    fuzz::ScratchFile settings{"ConfOND_eleve1.ini"};
    FakePlatform platform{std::filesystem::path(settings.path()).parent_path().string()};
    Ondivel app{platform};

    Bench() {
        app.g.FichierConfig = settings.path();
        FrmOndivel& scope = app.frmOndivel();
        scope.Show();
        user::click(scope.chkOn);
        for (int plug : {0, 1, 2})
            user::click(scope.imgBorne[plug]);
        app.mdi().SetFreeMode(false);
    }

    RecordingSurface& screen() { return static_cast<RecordingSurface&>(app.frmOndivel().screen()); }

    void check(const char* where) {
        const RecordingSurface& s = screen();
        require(s.lines().size() <= kMostSegments, where);
        for (const RecordedLine& l : s.lines())
            for (double c : {l.x1, l.y1, l.x2, l.y2})
                require(std::isfinite(c) && std::abs(c) <= kCoordinateLimit, where);
        for (const RecordedText& t : s.texts())
            require(std::isfinite(t.x) && std::isfinite(t.y) && std::abs(t.x) <= kCoordinateLimit, where);
    }

    void knob(int index, double value) { user::drag(app.frmOndivel().Potentio[index], value); }

    // The mode lamps lit as the mode buttons light them, without the settings file they write.
    void mode(int lit) {
        FrmOndivel& scope = app.frmOndivel();
        for (int i = ModeCH1; i <= ModeXY; ++i)
            scope.shpVoie[i].FillColor = i == lit ? kLampOn : kLampOff;
    }
};

// FNV-1a: the line picks its own knob settings, the same ones at every run.
std::uint32_t hashOf(std::string_view text) {
    std::uint32_t h = 2166136261U;
    for (char c : text)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619U;
    return h;
}

void draw(Bench& bench, const ExerciseOscillogram& osc, std::uint32_t pick) {
    Globals& g = bench.app.g;
    g.ExoSignalCH1 = g.SignalA = osc.channel[0].signal;
    g.ExoAmplitudeCH1 = g.AmplitudeA = osc.channel[0].amplitude;
    g.ExoFrequenceCH1 = g.FrequenceA = osc.channel[0].frequency;
    g.ExoSignalCH2 = g.SignalB = osc.channel[1].signal;
    g.ExoAmplitudeCH2 = g.AmplitudeB = osc.channel[1].amplitude;
    g.ExoFrequenceCH2 = g.FrequenceB = osc.channel[1].frequency;

    FrmOndivel& scope = bench.app.frmOndivel();
    bench.knob(KnobSensitivityCH1, pick % 14);
    bench.knob(KnobSensitivityCH2, (pick >> 4) % 14);
    scope.shpVoie[kInvertLight].FillColor = (pick >> 8) % 2 == 1 ? kLampOn : kLampOff; // "-CH2"
    // A drawn time base of the line's choice, then the fastest one.
    for (int base : {6 + static_cast<int>((pick >> 9) % 12), 17}) {
        bench.knob(KnobTimeBase, base);
        for (int mode = ModeCH1; mode <= ModeXY; ++mode) {
            bench.mode(mode);
            bench.app.RefreshDisplay();
            bench.check("a drawing is too long or holds a coordinate no painter takes");
            if (mode == ModeXY) {
                DrawXY(bench.app, 0);
                bench.check("an XY frame is too long or holds a coordinate no painter takes");
            }
        }
    }
    bench.mode(static_cast<int>((pick >> 13) % 4));
    scope.chkFFT.Value = kChecked;
    bench.app.RefreshDisplay();
    bench.check("a spectrum holds a coordinate no painter takes");
    scope.chkFFT.Value = kUnchecked;
    // The spot's sweep at the slowest time base, in the same mode.
    bench.knob(KnobTimeBase, 0);
    for (int tick = 0; tick < 2; ++tick) {
        bench.platform.advanceSeconds(0.05);
        SweepTick(bench.app);
        bench.check("a piece of the sweep is too long or holds a coordinate no painter takes");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Bench bench;
    const std::optional<std::string> text =
        DecodeExerciseText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!text) return 0;
    int drawn = 0;
    int lineNumber = 0;
    for (const std::string& line : SplitExerciseLines(*text)) {
        ++lineNumber;
        if (ClassifyExerciseLine(line) != ExerciseLineKind::Oscillogram) continue;
        const ParsedOscillogram parsed = ParseOscillogramLine(line, lineNumber);
        if (!parsed.value) continue;
        draw(bench, *parsed.value, hashOf(line));
        if (++drawn == kLinesPerInput) break;
    }
    return 0;
}
