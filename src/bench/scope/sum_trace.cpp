#include "bench/scope/sum_trace.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "bench/ondivel.h"
#include "bench/scope/dense_trace.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/renderer.h"
#include "bench/sources/harmonic_sum.h"
#include "core/keywords.h"
#include "core/surface.h"
#include "physics/waveforms.h"

namespace ondivel {

namespace {
constexpr double kLeftEdge = -500;
constexpr double kSampleStep = 2;

// The channel's voltage at time t, before its sensitivity.
double channelVoltage(const Ondivel& app, int channel, double t) {
    const Globals& g = app.g;
    const bool ch1 = channel == 0;
    const double A = ch1 ? g.AmplitudeCH1 : g.AmplitudeCH2;
    const double f = ch1 ? g.FrequenceCH1 : g.FrequenceCH2;
    const double O = ch1 ? g.OffsetCH1 : g.OffsetCH2;
    const float d = ch1 ? g.RapportCycliqueCH1 : g.RapportCycliqueCH2;
    switch (WaveformOf(ch1 ? g.SignalCH1 : g.SignalCH2)) {
    case Waveform::Dc:
        return A; // a direct voltage carries no separate offset
    case Waveform::Sine:
        return SineValue(t, f, A, 0, O);
    case Waveform::Square:
        // No mean correction here: the sum shows an asymmetric square as DC coupling would.
        return SquareTriangleValue(t, 0, 0, f, A, d, O);
    case Waveform::Triangle: {
        // Without a frequency there is no rise time to speak of; the generator's offset remains.
        if (f == 0) return O;
        const double rise = static_cast<double>(d) / f;
        return SquareTriangleValue(t, rise, 1 / f - rise, f, A, 0, O);
    }
    case Waveform::Alternator:
        return AlternatorValue(t, f, A);
    case Waveform::Harmonic:
        return HarmonicSumValue(app, channel, t, f, A);
    case Waveform::None:
        break;
    }
    return 0;
}

// The extremes of a channel too dense to draw period by period (see IsDenseTrace), in volts;
// nullopt for a channel drawn sample by sample.
std::optional<Extremes> denseVoltage(const Ondivel& app, int channel) {
    const Globals& g = app.g;
    const bool ch1 = channel == 0;
    const double f = ch1 ? g.FrequenceCH1 : g.FrequenceCH2;
    if (app.frmOndivel().couplingLit(channel, Coupling::GND) || !IsDenseTrace(f, g.BaseTemps))
        return std::nullopt;
    return WaveformExtremes(app, channel, WaveformOf(ch1 ? g.SignalCH1 : g.SignalCH2), f,
                            ch1 ? g.AmplitudeCH1 : g.AmplitudeCH2, ch1 ? g.OffsetCH1 : g.OffsetCH2);
}

// The channel's heights as the sum sees them: scaled, and swapped for CH2 under "-CH2".
Extremes heightsOf(const Ondivel& app, int channel, Extremes volts) {
    const FrmOndivel& scope = app.frmOndivel();
    const double S = channel == 0 ? app.g.SensibiliteCH1 : app.g.SensibiliteCH2;
    const Extremes h{ScreenCoordinate(100 * volts.low / S), ScreenCoordinate(100 * volts.high / S)};
    return channel == 1 && scope.lit(scope.shpVoie[kInvertLight]) ? Extremes{-h.high, -h.low} : h;
}
} // namespace

double SumChannelHeight(const Ondivel& app, int channel, double t) {
    const FrmOndivel& scope = app.frmOndivel();
    if (scope.couplingLit(channel, Coupling::GND)) return 0;
    const double S = channel == 0 ? app.g.SensibiliteCH1 : app.g.SensibiliteCH2;
    // Held to screen range, so that the two channels' heights add up to a number.
    const double height = ScreenCoordinate(100 * channelVoltage(app, channel, t) / S);
    return channel == 1 && scope.lit(scope.shpVoie[kInvertLight]) ? -height : height;
}

void DrawSumTrace(Ondivel& app, double fromX, double toX) {
    const Globals& g = app.g;
    Renderer& renderer = app.renderer();
    Surface& screen = renderer.targetScreen();
    const double H = g.PositionH;
    const auto heightAt = [&](double x) {
        const double t = (x - kLeftEdge) * g.BaseTemps / 100;
        return ScreenCoordinate(g.PositionCH1 + SumChannelHeight(app, 0, t) + SumChannelHeight(app, 1, t) +
                                g.PositionCH2);
    };
    const std::optional<Extremes> dense[2] = {denseVoltage(app, 0), denseVoltage(app, 1)};
    if (dense[0] || dense[1]) {
        // A dense channel adds its whole band at every abscissa; the other its value there.
        const std::optional<Extremes> heights[2] = {
            dense[0] ? std::optional(heightsOf(app, 0, *dense[0])) : std::nullopt,
            dense[1] ? std::optional(heightsOf(app, 1, *dense[1])) : std::nullopt};
        DrawBand(screen, g.CouleurA, H, fromX, toX, [&](double x) {
            const double t = (x - kLeftEdge) * g.BaseTemps / 100;
            Extremes sum{g.PositionCH1 + g.PositionCH2, g.PositionCH1 + g.PositionCH2};
            for (int channel = 0; channel < 2; ++channel) {
                const Extremes h = heights[channel] ? *heights[channel]
                                                    : Extremes{SumChannelHeight(app, channel, t),
                                                               SumChannelHeight(app, channel, t)};
                sum.low += h.low;
                sum.high += h.high;
            }
            return sum;
        });
        renderer.DrawSettingsOverlay();
        return;
    }
    // A hair of tolerance so that toX itself is not lost to rounding of the sweep's abscissae.
    const double span = std::floor((toX - fromX) / kSampleStep + 1e-9);
    if (span >= 0) {
        const long count = static_cast<long>(span);
        double previousX = fromX, previousY = heightAt(fromX);
        for (long k = 0; k <= count; ++k) {
            const double x = fromX + static_cast<double>(k) * kSampleStep;
            const double y = heightAt(x);
            screen.line(H + previousX, previousY, H + x, y, g.CouleurA);
            previousX = x;
            previousY = y;
        }
    }
    renderer.DrawSettingsOverlay();
}

} // namespace ondivel
