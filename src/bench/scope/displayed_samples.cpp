#include "bench/scope/displayed_samples.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "bench/ondivel.h"
#include "bench/scope/dense_trace.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/renderer.h"
#include "bench/scope/sum_trace.h"
#include "bench/scope/sweep.h"
#include "bench/scope/trace_drawers.h"
#include "bench/sources/harmonic_sum.h"
#include "core/keywords.h"
#include "physics/waveforms.h"

namespace ondivel {

namespace {
constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kLeftEdge = -500;
constexpr double kRightEdge = 500;

// One channel as the renderer reads it after AssembleChannels: coupling and GND already applied
// to the amplitude and offset, "-CH2" still to apply.
struct ChannelState {
    Waveform waveform = Waveform::None;
    double A = 0, f = 0, O = 0, P = 0, S = 1;
    float duty = 0;
    bool gnd = false, ac = false;
};

ChannelState stateOf(const Ondivel& app, int channel) {
    const Globals& g = app.g;
    const FrmOndivel& scope = app.frmOndivel();
    const bool ch1 = channel == 0;
    ChannelState c;
    c.waveform = WaveformOf(ch1 ? g.SignalCH1 : g.SignalCH2);
    c.A = ch1 ? g.AmplitudeCH1 : g.AmplitudeCH2;
    if (!ch1 && scope.lit(scope.shpVoie[kInvertLight])) c.A = -c.A;
    c.f = ch1 ? g.FrequenceCH1 : g.FrequenceCH2;
    c.O = ch1 ? g.OffsetCH1 : g.OffsetCH2;
    c.P = ch1 ? g.PositionCH1 : g.PositionCH2;
    c.S = ch1 ? g.SensibiliteCH1 : g.SensibiliteCH2;
    c.duty = ch1 ? g.RapportCycliqueCH1 : g.RapportCycliqueCH2;
    c.gnd = scope.couplingLit(channel, Coupling::GND);
    c.ac = scope.couplingLit(channel, Coupling::AC);
    return c;
}

// The trace's abscissae (before the PositionH shift) that land on the screen: a trace moved
// sideways is sampled where it is seen. nullopt when it lies wholly off the screen.
struct Span {
    double from, to;
};
std::optional<Span> visibleSpan(double positionH) {
    const Span s{std::max(kLeftEdge, kLeftEdge - positionH), std::min(kRightEdge, kRightEdge - positionH)};
    if (!(s.to > s.from)) return std::nullopt;
    return s;
}

// The voltage the fast time bases draw for the channel at abscissa x (screen units, −500 at the
// trace's left end), mirroring Renderer::DrawChannelTrace; nullopt where it draws nothing.
std::optional<double> fastVoltage(const Ondivel& app, int channel, const ChannelState& c, double shift,
                                  double x) {
    const double B = app.g.BaseTemps;
    if (c.gnd) return 0.0;
    switch (c.waveform) {
    case Waveform::Dc:
        return c.A;
    case Waveform::Sine:
        return SineValue((x + shift) * B / 100, c.f, c.A, 0, c.O);
    case Waveform::Harmonic:
        return HarmonicSumValue(app, channel, (x + shift) * B / 100, c.f, c.A);
    case Waveform::Alternator:
        return AlternatorValue((x + shift) * B / 100, c.f, c.A);
    case Waveform::Square: {
        if (c.f == 0) return std::nullopt;
        // The square's time runs from the left edge; AC coupling removes its mean value.
        const double meanShift = c.ac ? (2 * static_cast<double>(c.duty) - 1) * c.A : 0;
        return SquareTriangleValue((x - kLeftEdge) * B / 100, 0, 0, c.f, c.A, c.duty, c.O) - meanShift;
    }
    case Waveform::Triangle: {
        if (c.f == 0) return std::nullopt;
        const double rise = static_cast<double>(c.duty) / c.f;
        return SquareTriangleValue((x - kLeftEdge) * B / 100, rise, 1 / c.f - rise, c.f, c.A, 0, c.O);
    }
    case Waveform::None:
        break;
    }
    return std::nullopt;
}

// A·sin(phase + i·step) + offset for i = 0 … count−1, by turning a unit vector rather than by
// calling sin for each sample: right after the screen's painting has emptied the caches, 2 000
// calls of sin cost three times the rest of the measurements. Renormalised every 64 turns, the
// vector stays on the unit circle to 1e-15 whatever the count.
std::vector<double> SineSamples(double amplitude, double offset, double phase, double step, int count) {
    std::vector<double> v;
    v.reserve(static_cast<std::size_t>(std::max(count, 0)));
    double s = std::sin(phase), c = std::cos(phase);
    const double ds = std::sin(step), dc = std::cos(step);
    for (int i = 0; i < count; ++i) {
        v.push_back(amplitude * s + offset);
        const double next = s * dc + c * ds;
        c = c * dc - s * ds;
        s = next;
        if (i % 64 == 63) {
            const double norm = std::sqrt(s * s + c * c);
            s /= norm;
            c /= norm;
        }
    }
    return v;
}

// The volts of a planned channel's trace, or nullopt where it draws nothing.
std::optional<DisplayedTrace> sampleChannel(const Ondivel& app, const TracePlan& plan) {
    const int channel = plan.channel, samples = plan.samples;
    ChannelState c;
    c.waveform = static_cast<Waveform>(plan.waveform);
    c.A = plan.A;
    c.f = plan.f;
    c.O = plan.O;
    c.P = plan.P;
    c.S = plan.S;
    c.duty = plan.duty;
    c.gnd = plan.gnd;
    c.ac = plan.ac;
    const double B = plan.B, shift = plan.shift;
    const Span span{plan.from, plan.to};
    DisplayedTrace trace;
    trace.name = plan.name;
    trace.bottom = (-400 - c.P) * c.S / 100;
    trace.top = (400 - c.P) * c.S / 100;
    const double step = (span.to - span.from) / (samples - 1);
    trace.sampleInterval = step * B / 100;
    trace.startTime = (span.from - kLeftEdge) * B / 100;
    const bool periodic = c.waveform != Waveform::Dc && c.waveform != Waveform::None;
    if (!c.gnd && periodic && IsDenseTrace(c.f, B)) {
        // The band's two edges, alternately: its extremes and nothing else are on the screen.
        const std::optional<Extremes> e = WaveformExtremes(app, channel, c.waveform, c.f, c.A, c.O);
        if (!e) return std::nullopt;
        trace.band = true;
        for (int i = 0; i < samples; ++i)
            trace.volts.push_back(i % 2 == 0 ? e->low : e->high);
        return trace;
    }
    const bool slow = plan.slow;
    const auto voltageAt = [&app, channel, c, shift, slow, span,
                            step](double index) -> std::optional<double> {
        const double x = span.from + index * step;
        if (slow) return (ValueAtX(app, channel, x) - c.P) * c.S / 100;
        return fastVoltage(app, channel, c, shift, x);
    };
    trace.volts.reserve(static_cast<std::size_t>(samples));
    const bool squareOrTriangle = c.waveform == Waveform::Square || c.waveform == Waveform::Triangle;
    if (!slow && !c.gnd && c.waveform == Waveform::Sine) {
        trace.volts = SineSamples(c.A, c.O, kTwoPi * c.f * (span.from + shift) * B / 100,
                                  kTwoPi * c.f * step * B / 100, samples);
    } else if (!slow && !c.gnd && squareOrTriangle && c.f != 0) {
        // What fastVoltage works out, its constants taken out of the loop over the 2 000 samples.
        const bool square = c.waveform == Waveform::Square;
        const double meanShift = square && c.ac ? (2 * static_cast<double>(c.duty) - 1) * c.A : 0;
        const double rise = square ? 0 : static_cast<double>(c.duty) / c.f,
                     fall = square ? 0 : 1 / c.f - rise;
        const float duty = square ? c.duty : 0;
        for (int i = 0; i < samples; ++i) {
            const double x = span.from + i * step;
            trace.volts.push_back(
                SquareTriangleValue((x - kLeftEdge) * B / 100, rise, fall, c.f, c.A, duty, c.O) - meanShift);
        }
    } else {
        for (int i = 0; i < samples; ++i) {
            const std::optional<double> v = voltageAt(i);
            if (!v) return std::nullopt;
            trace.volts.push_back(*v);
        }
    }
    trace.between = [voltageAt](double index) { return voltageAt(index).value_or(0.0); };
    return trace;
}

DisplayedTrace unsampled(const std::string& name) {
    DisplayedTrace trace;
    trace.name = name;
    return trace;
}

// The ADD trace, read on CH1's scale from the sum of the two positions.
DisplayedTrace sampleSum(const Ondivel& app, Span span, int samples) {
    const Globals& g = app.g;
    const double S = g.SensibiliteCH1, P = g.PositionCH1 + g.PositionCH2;
    DisplayedTrace trace;
    trace.name = "ADD";
    trace.bottom = (-400 - P) * S / 100;
    trace.top = (400 - P) * S / 100;
    const double step = (span.to - span.from) / (samples - 1);
    trace.sampleInterval = step * g.BaseTemps / 100;
    trace.startTime = (span.from - kLeftEdge) * g.BaseTemps / 100;
    for (int channel : {0, 1}) {
        const double f = channel == 0 ? g.FrequenceCH1 : g.FrequenceCH2;
        if (!app.frmOndivel().couplingLit(channel, Coupling::GND) && IsDenseTrace(f, g.BaseTemps))
            trace.band = true;
    }
    const auto voltageAt = [&app, span, step, S](double index) {
        const double t = (span.from + index * step - kLeftEdge) * app.g.BaseTemps / 100;
        return (SumChannelHeight(app, 0, t) + SumChannelHeight(app, 1, t)) * S / 100;
    };
    trace.volts.reserve(static_cast<std::size_t>(samples));
    for (int i = 0; i < samples; ++i)
        trace.volts.push_back(voltageAt(i));
    if (!trace.band) trace.between = voltageAt;
    return trace;
}

TracePlan channelPlan(const Ondivel& app, int channel, std::optional<Span> span, int samples) {
    TracePlan plan;
    plan.name = channel == 0 ? "CH1" : "CH2";
    plan.channel = channel;
    plan.samples = samples;
    if (!span) return plan; // Unsampled: nothing of it on the screen
    plan.kind = TracePlan::Kind::Channel;
    plan.from = span->from;
    plan.to = span->to;
    const ChannelState c = stateOf(app, channel);
    const Globals& g = app.g;
    plan.waveform = static_cast<int>(c.waveform);
    plan.A = c.A;
    plan.f = c.f;
    plan.O = c.O;
    plan.P = c.P;
    plan.S = c.S;
    plan.duty = c.duty;
    plan.gnd = c.gnd;
    plan.ac = c.ac;
    plan.B = g.BaseTemps;
    plan.slow = plan.B >= kSweepTimeBase;
    plan.shift = StartShift(app.frmOndivel().chkAuto.Value == kChecked, g.NiveauDeclenchement,
                            {g.PositionH, c.P, plan.B, c.S}, c.f, c.A);
    return plan;
}
} // namespace

bool TracePlan::sameSamplesAs(const TracePlan& earlier) const {
    if (kind != earlier.kind || name != earlier.name || samples != earlier.samples) return false;
    if (kind == Kind::Unsampled) return true;
    const bool decidedHere =
        kind == Kind::Channel && !slow && static_cast<Waveform>(waveform) != Waveform::Harmonic;
    // Compared exactly: a knob a hair away gives other samples. (NaN never compares equal.)
    return decidedHere && channel == earlier.channel && from == earlier.from && to == earlier.to &&
           waveform == earlier.waveform && A == earlier.A && f == earlier.f && O == earlier.O &&
           P == earlier.P && S == earlier.S && B == earlier.B && shift == earlier.shift &&
           duty == earlier.duty && gnd == earlier.gnd && ac == earlier.ac && slow == earlier.slow;
}

std::vector<TracePlan> PlanDisplayedTraces(const Ondivel& app, int samples) {
    std::vector<TracePlan> plans;
    const FrmOndivel& scope = app.frmOndivel();
    const int mode = scope.modeIndex();
    if (!scope.isOn() || mode == ModeXY || mode == ModeNone || scope.chkFFT.Value == kChecked) return plans;
    const std::optional<Span> span = visibleSpan(app.g.PositionH);
    if (mode == ModeADD) {
        TracePlan sum;
        sum.name = "ADD";
        sum.samples = samples;
        if (span) {
            sum.kind = TracePlan::Kind::Sum;
            sum.from = span->from;
            sum.to = span->to;
        }
        plans.push_back(std::move(sum));
        return plans;
    }
    for (int channel : {0, 1})
        if (mode == ModeDUAL || mode == channel) plans.push_back(channelPlan(app, channel, span, samples));
    return plans;
}

DisplayedTrace SampleTrace(const Ondivel& app, const TracePlan& plan) {
    switch (plan.kind) {
    case TracePlan::Kind::Sum:
        return sampleSum(app, {plan.from, plan.to}, plan.samples);
    case TracePlan::Kind::Channel: {
        std::optional<DisplayedTrace> trace = sampleChannel(app, plan);
        // A channel that draws nothing on the screen has nothing to measure: its lines read "?".
        if (trace) return std::move(*trace);
        break;
    }
    case TracePlan::Kind::Unsampled:
        break;
    }
    return unsampled(plan.name);
}

std::vector<DisplayedTrace> SampleDisplayedTraces(const Ondivel& app, int samples) {
    std::vector<DisplayedTrace> traces;
    for (const TracePlan& plan : PlanDisplayedTraces(app, samples))
        traces.push_back(SampleTrace(app, plan));
    return traces;
}

} // namespace ondivel
