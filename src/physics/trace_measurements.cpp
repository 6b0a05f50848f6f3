#include "physics/trace_measurements.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ondivel {
namespace {

// Below this share of the screen's height a trace counts as flat: its period means nothing.
constexpr double kFlatShare = 1e-6;
// Rising edges are counted with a hysteresis of this share of the peak-to-peak value, so that a
// sample landing on the middle level does not count twice.
constexpr double kHysteresisShare = 0.1;

// A rising edge: the instant (in samples, interpolated) at which the trace rises through the
// level, and the sample just before it.
struct Edge {
    double at;
    std::size_t before;
};

// The rising edges through `level`.
std::vector<Edge> RisingCrossings(std::span<const double> v, double level, double hysteresis) {
    std::vector<Edge> crossings;
    bool armed = false; // has been below level − hysteresis since the last edge
    Edge lastUpward{-1, 0};
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (i > 0 && v[i - 1] < level && v[i] >= level)
            lastUpward = {static_cast<double>(i - 1) + (level - v[i - 1]) / (v[i] - v[i - 1]), i - 1};
        if (v[i] < level - hysteresis) {
            armed = true;
        } else if (armed && v[i] > level + hysteresis) {
            crossings.push_back(lastUpward);
            armed = false;
        }
    }
    return crossings;
}

// The edge's instant found on the trace itself, between its two samples, by bisection: 40 halvings
// leave a trillionth of a sample. The voltage is held within the screen as the samples are.
double RefinedEdge(const Edge& edge, const std::function<double(double)>& between, double level,
                   double bottom, double top) {
    double below = static_cast<double>(edge.before), above = below + 1;
    for (int i = 0; i < 40; ++i) {
        const double middle = (below + above) / 2;
        const double v = between(middle);
        if (std::isnan(v)) return edge.at;
        (std::clamp(v, bottom, top) < level ? below : above) = middle;
    }
    return (below + above) / 2;
}

// The integrals of v and v² from a to b (in samples), by the trapezoid rule between samples.
// Whole periods run from one interpolated edge to the next: counting whole samples instead would
// weigh one sample more or less, 1/1600 of a mean square, enough to turn 3,54 V into 3,53 V.
struct Integrals {
    double v = 0, v2 = 0;
};
Integrals Integrate(std::span<const double> v, double a, double b) {
    const auto at = [&](double x) {
        const std::size_t i = std::min(static_cast<std::size_t>(x), v.size() - 2);
        return v[i] + (v[i + 1] - v[i]) * (x - static_cast<double>(i));
    };
    // The whole samples inside [a, b], then the two pieces from a up to the first of them and
    // from the last of them to b.
    const auto first = static_cast<std::size_t>(std::ceil(a)), last = static_cast<std::size_t>(std::floor(b));
    Integrals sums;
    if (first > last) { // a and b between the same two samples
        const double p = at(a), q = at(b);
        return {(b - a) * (p + q) / 2, (b - a) * (p * p + q * q) / 2};
    }
    for (std::size_t i = first; i < last; ++i) {
        // The trapezoid rule on v² as on v: over whole periods it loses nothing of a sine even
        // with few samples a period, and it puts a square's jump midway between its two samples.
        sums.v += (v[i] + v[i + 1]) / 2;
        sums.v2 += (v[i] * v[i] + v[i + 1] * v[i + 1]) / 2;
    }
    const double p = at(a), q = at(b), head = static_cast<double>(first) - a,
                 tail = b - static_cast<double>(last);
    sums.v += head * (p + v[first]) / 2 + tail * (v[last] + q) / 2;
    sums.v2 += head * (p * p + v[first] * v[first]) / 2 + tail * (v[last] * v[last] + q * q) / 2;
    return sums;
}

} // namespace

TraceMeasurements MeasureTrace(const SampledTrace& trace, const std::function<double(double)>& between) {
    TraceMeasurements m;
    const std::span<const double> raw = trace.volts;
    if (raw.size() < 2 || !(trace.sampleInterval > 0) || !std::isfinite(trace.sampleInterval) ||
        !(trace.bottom < trace.top) || !std::isfinite(trace.bottom) || !std::isfinite(trace.top))
        return m;
    if (std::any_of(raw.begin(), raw.end(), [](double v) { return std::isnan(v); })) return m;

    // What the screen shows: a trace beyond an edge is seen at the edge, its true extreme unknown.
    std::vector<double> seen(raw.size());
    // A crest that touches the edge is on the screen, even a rounding error beyond it.
    const double slack = 1e-9 * (trace.top - trace.bottom);
    const double above = trace.top + slack, below = trace.bottom - slack;
    bool cutAbove = false, cutBelow = false;
    double lowest = trace.top, highest = trace.bottom;
    // One pass without branches: clipped, extremes, and whether the trace left the screen.
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const double v = raw[i];
        cutAbove |= v > above;
        cutBelow |= v < below;
        const double shown = std::min(std::max(v, trace.bottom), trace.top);
        seen[i] = shown;
        lowest = std::min(lowest, shown);
        highest = std::max(highest, shown);
    }
    if (!cutAbove) m.maximum = highest;
    if (!cutBelow) m.minimum = lowest;
    if (m.maximum && m.minimum) m.peakToPeak = highest - lowest;

    const bool flat = highest - lowest <= kFlatShare * (trace.top - trace.bottom);
    // The stretch averaged, in samples: whole periods from edge to edge, or everything when flat.
    double from = 0, to = static_cast<double>(seen.size() - 1);
    if (!flat) {
        const double level = (highest + lowest) / 2;
        const std::vector<Edge> edges = RisingCrossings(seen, level, kHysteresisShare * (highest - lowest));
        if (edges.size() < 2) return m; // less than one period on screen
        // Only the first and the last edge count for the period: refining those two is enough.
        from = edges.front().at;
        to = edges.back().at;
        if (between) {
            from = RefinedEdge(edges.front(), between, level, trace.bottom, trace.top);
            to = RefinedEdge(edges.back(), between, level, trace.bottom, trace.top);
        }
        const double periods = static_cast<double>(edges.size() - 1);
        m.period = (to - from) / periods * trace.sampleInterval;
        m.frequency = 1 / *m.period;
    }
    if (cutAbove || cutBelow || !(from < to)) return m;
    const Integrals sums = Integrate(seen, from, to);
    m.mean = sums.v / (to - from);
    m.rms = std::sqrt(std::max(0.0, sums.v2 / (to - from)));
    return m;
}

} // namespace ondivel
