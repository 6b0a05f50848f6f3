#include "bench/scope/sweep.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "bench/ondivel.h"
#include "bench/scope/dense_trace.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/renderer.h"
#include "bench/scope/sum_trace.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/format.h"
#include "core/keywords.h"
#include "core/platform.h"
#include "core/surface.h"
#include "physics/waveforms.h"

namespace ondivel {

namespace {
// Toolbox connection options that wire a function generator to CH1 and to CH2.
constexpr int kGeneratorOnCH1 = 1;
constexpr int kGeneratorOnCH2 = 10;

// The heights between which a channel beyond the generators' reach runs through many periods in
// every screen unit (see IsDenseTrace); nullopt when the points follow it.
std::optional<Extremes> denseHeights(const Ondivel& app, int channel) {
    const Globals& g = app.g;
    const bool ch1 = channel == 0;
    const double f = ch1 ? g.FrequenceCH1 : g.FrequenceCH2;
    if (app.frmOndivel().couplingLit(channel, Coupling::GND) || !IsDenseTrace(f, g.BaseTemps))
        return std::nullopt;
    const Waveform waveform = WaveformOf(ch1 ? g.SignalCH1 : g.SignalCH2);
    if (waveform == Waveform::Harmonic) return std::nullopt; // the sweep leaves it on the centre line
    // The sweep's square has no offset.
    const double O = waveform == Waveform::Square ? 0 : ch1 ? g.OffsetCH1 : g.OffsetCH2;
    const std::optional<Extremes> volts =
        WaveformExtremes(app, channel, waveform, f, ch1 ? g.AmplitudeCH1 : g.AmplitudeCH2, O);
    if (!volts) return std::nullopt;
    const double P = ch1 ? g.PositionCH1 : g.PositionCH2;
    const double S = ch1 ? g.SensibiliteCH1 : g.SensibiliteCH2;
    return Extremes{volts->low * 100 / S + P, volts->high * 100 / S + P};
}

// Points x1, x1 + s, … up to x2 (a hair of tolerance so that x2 itself is not lost to rounding),
// joined from the first point; the band between its extremes for a channel too dense for them.
void drawPolyline(Surface& target, const Ondivel& app, int channel, Color color, double x1, double x2,
                  double step) {
    if (const std::optional<Extremes> band = denseHeights(app, channel)) {
        DrawBand(target, color, 0, x1, x2, [&](double) { return *band; });
        return;
    }
    const long count = static_cast<long>(std::floor((x2 - x1) / step + 1e-9));
    double px = x1, py = ScreenCoordinate(ValueAtX(app, channel, x1));
    for (long k = 0; k <= count; ++k) {
        const double x = x1 + static_cast<double>(k) * step;
        const double y = ScreenCoordinate(ValueAtX(app, channel, x));
        target.line(px, py, x, y, color);
        px = x;
        py = y;
    }
}
} // namespace

void StartSweep(Ondivel& app) {
    app.g.CompteurPrecedent = app.platform().counterValue();
    app.g.PositionSpot = app.g.PositionH;
    Control& timer = app.frmOndivel().tmrSpot;
    timer.Enabled = true;
    timer.Interval = 1;
}

void SweepTick(Ondivel& app) {
    Globals& g = app.g;
    // The spectrum drawn by the last refresh stays on screen: the sweep draws time traces only.
    if (app.frmOndivel().chkFFT.Value == kChecked) return;
    DrawSweepPicture(app);

    // The step is the real time elapsed, however often the timer fired. A counter that went
    // backwards (clock reset, suspend) moves nothing and restarts the measure from now.
    const std::int64_t now = app.platform().counterValue();
    const std::int64_t counts = now - g.CompteurPrecedent;
    g.CompteurPrecedent = now;
    if (counts > 0 && g.FrequenceCompteur > 0) {
        const double seconds = static_cast<double>(counts) / static_cast<double>(g.FrequenceCompteur);
        g.PositionSpot += seconds * SpotSpeed(g.BaseTemps);
    }
    if (g.PositionSpot > g.PositionH + 500) g.PositionSpot = g.PositionH - 500;
    app.requestRepaint();
}

void DrawSweepPicture(Ondivel& app) {
    Globals& g = app.g;
    FrmOndivel& scope = app.frmOndivel();
    Renderer& renderer = app.renderer();

    const double left = g.PositionH - 500;
    const double right = left + 1000;
    // The piece stops at the right edge; it is never wrapped to the left.
    const double end = std::min(g.PositionSpot + GlowLength(g.BaseTemps), right);

    renderer.PrepareTarget(true);
    Surface& target = renderer.targetScreen();
    target.setDrawWidth(renderer.traceWidth());

    bool traced = true;
    switch (scope.modeIndex()) {
    case ModeCH1:
        DrawSweepSegment(app, target, g.PositionSpot, end, right, left, 0);
        break;
    case ModeCH2:
        DrawSweepSegment(app, target, g.PositionSpot, end, right, left, 1);
        break;
    case ModeDUAL:
        DrawSweepSegment(app, target, g.PositionSpot, end, right, left, 0);
        DrawSweepSegment(app, target, g.PositionSpot, end, right, left, 1);
        break;
    case ModeADD:
        DrawSumTrace(app, g.PositionSpot - g.PositionH, end - g.PositionH); // prints the overlay
        traced = false;
        break;
    default:
        traced = false;
        break;
    }
    if (traced) renderer.DrawSettingsOverlay();
}

void DrawSweepSegment(Ondivel& app, Surface& target, double x1, double x2, double right, double left,
                      int channel) {
    Globals& g = app.g;
    const bool ch1 = channel == 0;
    const Color color = ch1 ? g.CouleurA : g.CouleurB;
    const std::int16_t style = ch1 ? g.StyleTraceCH1 : g.StyleTraceCH2;
    app.renderer().TraceCourante.style = style;
    target.setDrawStyle(static_cast<LineStyle>(style));

    const double step = SweepPointStep(app);
    if (x1 <= x2) {
        drawPolyline(target, app, channel, color, x1, x2, step);
    } else {
        // Two separate runs: no line joins the right edge to the left one.
        drawPolyline(target, app, channel, color, x1, right, step);
        drawPolyline(target, app, channel, color, left, x2, step);
    }
}

double SweepPointStep(const Ondivel& app) {
    const Globals& g = app.g;
    if (LowerKeyword(g.SignalA) == "cc" && LowerKeyword(g.SignalB) == "cc") return 1;
    double range = 1;
    const FrmToolBox& toolbox = app.frmToolBox();
    if (toolbox.optConnexion[kGeneratorOnCH1].isOn()) range = RoundHalfEven(g.GammeA);
    if (toolbox.optConnexion[kGeneratorOnCH2].isOn() && g.GammeB > range) range = RoundHalfEven(g.GammeB);
    const double p = range * g.BaseTemps;
    if (p >= 50000) return 0.01;
    if (p >= 500 && p <= 49999) return 0.1;
    if (p >= 50 && p <= 499) return 0.5;
    if (p >= 5 && p <= 49) return 1;
    return 5;
}

double ValueAtX(const Ondivel& app, int channel, double x) {
    const Globals& g = app.g;
    const FrmOndivel& scope = app.frmOndivel();
    const bool ch1 = channel == 0;
    double A = ch1 ? g.AmplitudeCH1 : g.AmplitudeCH2;
    if (!ch1 && scope.lit(scope.shpVoie[kInvertLight])) A = -A;
    const double f = ch1 ? g.FrequenceCH1 : g.FrequenceCH2;
    const double O = ch1 ? g.OffsetCH1 : g.OffsetCH2;
    const double P = ch1 ? g.PositionCH1 : g.PositionCH2;
    const double S = ch1 ? g.SensibiliteCH1 : g.SensibiliteCH2;
    const double t = (x + 500) / 100 * g.BaseTemps;

    if (scope.couplingLit(channel, Coupling::GND)) return P;
    switch (WaveformOf(ch1 ? g.SignalCH1 : g.SignalCH2)) {
    case Waveform::Dc:
        return A * 100 / S + P;
    case Waveform::Sine:
        return SineValue(t, f, A, 0, O) * 100 / S + P;
    case Waveform::Square:
        return SquareValue(t, f, A) * 100 / S + P;
    case Waveform::Triangle:
        return TriangleValue(t, f, A, O) * 100 / S + P;
    case Waveform::Alternator:
        return AlternatorValue(t, f, A) * 100 / S + P;
    case Waveform::Harmonic:
    case Waveform::None:
        break;
    }
    return 0;
}

} // namespace ondivel
