#include "signal/sum_trace.h"

#include <cmath>

#include "core/ondivel.h"
#include "core/surface.h"
#include "scope/frm_ondivel.h"
#include "scope/renderer.h"
#include "signal/harmonic_sum.h"
#include "signal/keywords.h"
#include "signal/waveforms.h"

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
} // namespace

double SumChannelHeight(const Ondivel& app, int channel, double t) {
    const FrmOndivel& scope = app.frmOndivel();
    if (scope.couplingLit(channel, Coupling::GND)) return 0;
    const double S = channel == 0 ? app.g.SensibiliteCH1 : app.g.SensibiliteCH2;
    const double height = 100 * channelVoltage(app, channel, t) / S;
    return channel == 1 && scope.lit(scope.shpVoie[kInvertLight]) ? -height : height;
}

void DrawSumTrace(Ondivel& app, double fromX, double toX) {
    const Globals& g = app.g;
    Renderer& renderer = app.renderer();
    Surface& screen = renderer.targetScreen();
    const double H = g.PositionH;
    const auto heightAt = [&](double x) {
        const double t = (x - kLeftEdge) * g.BaseTemps / 100;
        return g.PositionCH1 + SumChannelHeight(app, 0, t) + SumChannelHeight(app, 1, t) + g.PositionCH2;
    };
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
