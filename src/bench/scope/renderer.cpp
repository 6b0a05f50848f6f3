#include "bench/scope/renderer.h"

#include <cmath>

#include "bench/main/mdi_ondivel.h"
#include "bench/meters/frm_mesures.h"
#include "bench/meters/measurement.h"
#include "bench/ondivel.h"
#include "bench/scope/dense_trace.h"
#include "bench/scope/frm_curseurs.h"
#include "bench/scope/frm_full_screen.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/spectrum.h"
#include "bench/scope/sum_trace.h"
#include "bench/scope/sweep.h"
#include "bench/scope/trace_drawers.h"
#include "bench/sources/harmonic_sum.h"
#include "bench/toolbox/channel_assembly.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/format.h"
#include "core/keywords.h"
#include "core/surface.h"
#include "physics/waveforms.h"

namespace ondivel {

namespace {
constexpr int kXYInterval = 1;
constexpr int kXYIntervalWithSpectrum = 5;
constexpr double kAutoStep = 2;
constexpr double kLine1Bottom = -400;
constexpr double kLine2Bottom = -370;
constexpr double kCellWidth = 100;
constexpr int kHourglassPointer = 11;
constexpr int kDefaultPointer = 0;

// "2 V/div" → "2 V".
std::string withoutUnitSuffix(const std::string& label) {
    return label.size() >= 4 ? label.substr(0, label.size() - 4) : std::string();
}
} // namespace

Renderer::Renderer(Ondivel& app) : app_(app) {}

Renderer::Redirect::Redirect(Renderer& renderer, Surface& screen, Surface& grid)
    : renderer_(renderer), screen_(renderer.redirectScreen_), grid_(renderer.redirectGrid_),
      alternatorShift_(renderer.alternatorShift_), overlayDrawn_(renderer.overlayDrawn_),
      trace_(renderer.TraceCourante) {
    renderer.redirectScreen_ = &screen;
    renderer.redirectGrid_ = &grid;
}

Renderer::Redirect::~Redirect() {
    renderer_.redirectScreen_ = screen_;
    renderer_.redirectGrid_ = grid_;
    renderer_.alternatorShift_ = alternatorShift_;
    renderer_.overlayDrawn_ = overlayDrawn_;
    renderer_.TraceCourante = trace_;
}

bool Renderer::fullScreen() const {
    return !redirectScreen_ && app_.mdi().Mnu_ViewFullScreen.Checked;
}

int Renderer::traceWidth() const {
    return fullScreen() ? app_.frmFullScreen().traceWidth() : app_.g.EpaisseurTrace;
}

Surface& Renderer::targetScreen() const {
    if (redirectScreen_) return *redirectScreen_;
    return fullScreen() ? app_.frmFullScreen().screen() : app_.frmOndivel().screen();
}

Surface& Renderer::targetGrid() const {
    if (redirectGrid_) return *redirectGrid_;
    return fullScreen() ? app_.frmFullScreen().grid() : app_.frmOndivel().grid();
}

void Renderer::PrepareTarget(bool clear) {
    Surface& screen = targetScreen();
    if (clear) screen.clear();
    screen.setPersistent(true);
    screen.setScale(kScreenLeft, kScreenTop, kScreenRight, kScreenBottom);
    screen.setBackgroundFrom(targetGrid());
    overlayDrawn_ = false;
}

void Renderer::RefreshDisplay() {
    FrmOndivel& scope = app_.frmOndivel();
    if (scope.modeIndex() == ModeXY) {
        scope.tmrSpot.Enabled = false;
        scope.tmrXY.Interval = kXYInterval;
        scope.tmrXY.Enabled = true;
    } else {
        scope.tmrXY.Interval = 0;
        scope.tmrXY.Enabled = false;
        scope.tmrSpot.Enabled = true;
    }
    DrawOscillogram();
    if (app_.frmToolBox().chkMulti.Value == kChecked) MesurerVoltmetre(app_);
    // Measured only while its panel is open: a closed panel costs nothing.
    if (app_.frmMesures().loaded()) app_.frmMesures().UpdateMeasurements();
    app_.requestRepaint();
}

void Renderer::DrawOscillogram() {
    AssembleChannels(app_);
    // The full-screen view is wiped too: every complete drawing starts from the bare graticule.
    PrepareTarget(true);
    FrmOndivel& scope = app_.frmOndivel();
    if (scope.chkOn.Caption == "On") return; // switched off: the bare graticule
    const int mode = scope.modeIndex();
    if (scope.chkFFT.Value == kChecked && mode != ModeXY) {
        switch (mode) {
        case ModeCH1:
            DrawSpectrum(app_, 0);
            break;
        case ModeCH2:
            DrawSpectrum(app_, 1);
            break;
        case ModeDUAL:
            DrawSpectrum(app_, 0);
            DrawSpectrum(app_, 1);
            break;
        case ModeADD:
            DrawSumSpectrum(app_);
            break;
        default:
            break;
        }
        return;
    }
    switch (mode) {
    case ModeCH1:
        DrawChannelTrace(0);
        break;
    case ModeCH2:
        DrawChannelTrace(1);
        break;
    case ModeDUAL:
        DrawChannelTrace(0);
        DrawChannelTrace(1);
        break;
    case ModeADD:
        DrawChannelTrace(0);
        break;
    case ModeXY:
        if (scope.chkFFT.Value == kChecked) scope.tmrXY.Interval = kXYIntervalWithSpectrum;
        break;
    default:
        break;
    }
}

void Renderer::DrawChannelTrace(int channel) {
    FrmOndivel& scope = app_.frmOndivel();
    Globals& g = app_.g;
    const bool ch1 = channel == 0;
    TraceRecord& t = TraceCourante;
    t.color = ch1 ? g.CouleurA : g.CouleurB;
    t.style = ch1 ? g.StyleTraceCH1 : g.StyleTraceCH2;
    t.amplitude = ch1 ? g.AmplitudeCH1 : g.AmplitudeCH2;
    t.frequency = ch1 ? g.FrequenceCH1 : g.FrequenceCH2;
    t.keyword = ch1 ? g.SignalCH1 : g.SignalCH2;
    t.offset = ch1 ? g.OffsetCH1 : g.OffsetCH2;
    t.position = ch1 ? g.PositionCH1 : g.PositionCH2;
    t.sensitivity = ch1 ? g.SensibiliteCH1 : g.SensibiliteCH2;
    t.phase = 0;
    const float duty = ch1 ? g.RapportCycliqueCH1 : g.RapportCycliqueCH2;
    if (!ch1 && scope.lit(scope.shpVoie[kInvertLight])) t.amplitude = -t.amplitude;
    const bool acCoupling = scope.couplingLit(channel, Coupling::AC);

    targetScreen().setDrawStyle(static_cast<LineStyle>(t.style));

    const double B = g.BaseTemps;
    if (B < kSweepTimeBase) {
        scope.tmrSpot.Interval = 0;
        if (scope.lit(scope.shpVoie[ModeADD])) {
            DrawSumTrace(app_, -500, 500); // prints the overlay itself
            return;
        }
        if (scope.couplingLit(channel, Coupling::GND)) {
            DrawFlatTrace(t.position, t.color);
        } else {
            const TraceFrame frame{g.PositionH, t.position, B, t.sensitivity};
            const double f = t.frequency, A = t.amplitude, O = t.offset, phase = t.phase;
            const bool automatic = scope.chkAuto.Value == kChecked;
            switch (WaveformOf(t.keyword)) {
            case Waveform::Dc:
                DrawFlatTrace(A * 100 / frame.S + frame.P, t.color);
                break;
            case Waveform::Sine:
                DrawPeriodicTrace(channel, Waveform::Sine, frame,
                                  StartShift(automatic, g.NiveauDeclenchement, frame, f, A),
                                  [&](double time) { return SineValue(time, f, A, phase, O); });
                break;
            case Waveform::Harmonic:
                // The sum of twenty orders takes a while on a slow machine: the hourglass says so.
                targetScreen().setMousePointer(kHourglassPointer);
                DrawPeriodicTrace(channel, Waveform::Harmonic, frame,
                                  StartShift(automatic, g.NiveauDeclenchement, frame, f, A),
                                  [&](double time) { return HarmonicSumValue(app_, channel, time, f, A); });
                targetScreen().setMousePointer(kDefaultPointer);
                break;
            case Waveform::Square:
                // AC coupling removes the mean value of an asymmetric square wave.
                DrawSquareTriangleTrace(
                    targetScreen(), t.color, frame,
                    {.f = f,
                     .A = A,
                     .duty = duty,
                     .offset = O,
                     .meanShift = acCoupling ? (2 * static_cast<double>(duty) - 1) * A : 0});
                break;
            case Waveform::Triangle:
                // With no frequency the rise time d/f does not exist: no trace, like the square.
                if (f != 0) {
                    const double rise = static_cast<double>(duty) / f;
                    DrawSquareTriangleTrace(
                        targetScreen(), t.color, frame,
                        {.f = f, .A = A, .riseTime = rise, .fallTime = 1 / f - rise, .offset = O});
                }
                break;
            case Waveform::Alternator:
                DrawAlternatorTrace(frame);
                break;
            case Waveform::None:
                break;
            }
        }
    } else {
        StartSweep(app_);
    }
    OverlayOnce();
}

void Renderer::DrawAlternatorTrace(const TraceFrame& frame) {
    const TraceRecord& t = TraceCourante;
    const Globals& g = app_.g;
    const double f = t.frequency, A = t.amplitude;
    if (app_.frmOndivel().chkAuto.Value == kChecked) {
        alternatorShift_ += kAutoStep; // unsynchronised: the picture slides at every redraw
    } else if (auto shift = TriggeredStartShift(g.NiveauDeclenchement, frame.S, f, A, frame.B)) {
        alternatorShift_ = *shift;
    }
    DrawPeriodicTrace(0, Waveform::Alternator, frame, alternatorShift_,
                      [&](double time) { return AlternatorValue(time, f, A); });
}

void Renderer::DrawPeriodicTrace(int channel, Waveform waveform, const TraceFrame& frame, double shift,
                                 const std::function<double(double)>& voltageAt) {
    const TraceRecord& t = TraceCourante;
    if (IsDenseTrace(t.frequency, frame.B))
        DrawBandTrace(targetScreen(), t.color, frame,
                      *WaveformExtremes(app_, channel, waveform, t.frequency, t.amplitude, t.offset));
    else
        DrawSampledTrace(targetScreen(), t.color, frame, shift, voltageAt);
}

void Renderer::DrawFlatTrace(double y, Color color) {
    const double H = app_.g.PositionH;
    const double at = ScreenCoordinate(y); // a direct voltage from a file may be any number
    targetScreen().line(H - 500, at, H + 500, at, color);
}

void Renderer::DrawGrid(Form& form) {
    Control* picture = form.findControl("picGrille");
    if (!picture || !picture->surface()) return;
    DrawGridOn(*picture->surface());
}

void Renderer::DrawGridOn(Surface& grid) {
    const Globals& g = app_.g;
    grid.setPersistent(true);
    grid.setBackColor(g.CouleurEcran);
    grid.clear();
    grid.setScale(kScreenLeft, kScreenTop, kScreenRight, kScreenBottom);
    DrawGraticule(grid, g.CouleurGrille, g.CouleurCadre);
}

void DrawGraticule(Surface& s, Color grid, Color frame) {
    s.setDrawStyle(LineStyle::Solid);
    for (int y = -400; y <= 400; y += 20) {
        s.setDrawWidth(y == 0 ? 2 : 1);
        const Color c = std::abs(y) == 400 ? frame : grid;
        if (y % 100 == 0)
            s.line(-500, y, 500, y, c);
        else
            s.line(-12, y, 12, y, c);
    }
    s.setDrawWidth(1);
    s.setDrawStyle(LineStyle::Dot);
    s.line(-500, -250, 500, -250, frame);
    s.line(-500, 250, 500, 250, frame);
    s.setDrawStyle(LineStyle::Solid);
    for (int x = -500; x <= 500; x += 20) {
        s.setDrawWidth(x == 0 ? 2 : 1);
        const Color c = std::abs(x) == 500 ? frame : grid;
        if (x % 100 == 0)
            s.line(x, 400, x, -400, c);
        else
            s.line(x, 12, x, -12, c);
    }
    s.setDrawWidth(1);
}

void Renderer::OverlayOnce() {
    if (overlayDrawn_) return;
    DrawSettingsOverlay();
    overlayDrawn_ = true;
}

void Renderer::DrawSettingsOverlay() {
    Surface& screen = targetScreen();
    const FrmOndivel& scope = app_.frmOndivel();
    // Every drawing of the traces ends here: the cursors go over the traces, under the texts.
    app_.frmCurseurs().DrawCursors(screen, scope.chkFFT.Value == kChecked && scope.modeIndex() != ModeXY);
    const Color back = app_.g.CouleurEcran;
    const double luminance = 0.3 * redOf(back) + 0.59 * greenOf(back) + 0.11 * blueOf(back);
    const Color ink = luminance < 127.5 ? kWhite : kBlack;
    screen.setFont("Arial", fullScreen() ? 18 : 8);
    if (fullScreen()) app_.frmCurseurs().PrintReadout(screen, ink);
    if (app_.ReadIni("Options", "Copy Sensibility", "1") == "0") return;

    // Centred in the 100-unit cell from x0, the text's bottom on `bottom` (print takes the top).
    auto cell = [&](double x0, double bottom, const std::string& text) {
        const double x = x0 + (kCellWidth - screen.textWidth(text)) / 2;
        screen.print(x, bottom + screen.textHeight(text), text, ink);
    };

    const int mode = scope.modeIndex();
    if (mode <= ModeXY) cell(-500, kLine1Bottom, scope.lblVoie[mode].Caption);
    cell(-400, kLine1Bottom, "CH1");
    const std::string sensitivityA = scope.cboSensibiliteVerticaleA.listText();
    if (!sensitivityA.empty()) cell(-400, kLine2Bottom, withoutUnitSuffix(sensitivityA));
    cell(-300, kLine1Bottom, "CH2");
    const std::string sensitivityB = scope.cboSensibiliteVerticaleB.listText();
    if (!sensitivityB.empty()) cell(-300, kLine2Bottom, withoutUnitSuffix(sensitivityB));

    const std::string timeBase = scope.cboBaseTemps.listText();
    if (timeBase.empty()) return;
    if (scope.chkFFT.Value == kChecked) {
        // One division of the spectrum spans 1/BaseTemps hertz.
        const double hertz = 1 / app_.g.BaseTemps;
        const std::string text = hertz < 1000 ? NumberText(RoundHalfEven(hertz)) + " Hz"
                                              : NumberText(RoundHalfEven(hertz / 1000)) + " kHz";
        cell(-200, kLine2Bottom, text);
    } else {
        cell(-200, kLine2Bottom, withoutUnitSuffix(timeBase));
    }
}

} // namespace ondivel
