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

// The instants (in samples, interpolated) at which the trace rises through `level`.
std::vector<double> RisingCrossings(std::span<const double> v, double level, double hysteresis) {
    std::vector<double> crossings;
    bool armed = false;     // has been below level − hysteresis since the last edge
    double lastUpward = -1; // the last upward passage through `level`
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (i > 0 && v[i - 1] < level && v[i] >= level)
            lastUpward = static_cast<double>(i - 1) + (level - v[i - 1]) / (v[i] - v[i - 1]);
        if (v[i] < level - hysteresis) {
            armed = true;
        } else if (armed && v[i] > level + hysteresis) {
            crossings.push_back(lastUpward);
            armed = false;
        }
    }
    return crossings;
}

} // namespace

TraceMeasurements MeasureTrace(const SampledTrace& trace) {
    TraceMeasurements m;
    const std::span<const double> raw = trace.volts;
    if (raw.size() < 2 || !(trace.sampleInterval > 0) || !std::isfinite(trace.sampleInterval) ||
        !(trace.bottom < trace.top) || !std::isfinite(trace.bottom) || !std::isfinite(trace.top))
        return m;
    if (std::any_of(raw.begin(), raw.end(), [](double v) { return std::isnan(v); })) return m;

    // What the screen shows: a trace beyond an edge is seen at the edge, its true extreme unknown.
    std::vector<double> seen(raw.begin(), raw.end());
    bool cutAbove = false, cutBelow = false;
    for (double& v : seen) {
        cutAbove = cutAbove || v > trace.top;
        cutBelow = cutBelow || v < trace.bottom;
        v = std::clamp(v, trace.bottom, trace.top);
    }
    const auto [lo, hi] = std::minmax_element(seen.begin(), seen.end());
    if (!cutAbove) m.maximum = *hi;
    if (!cutBelow) m.minimum = *lo;
    if (m.maximum && m.minimum) m.peakToPeak = *hi - *lo;

    const bool flat = *hi - *lo <= kFlatShare * (trace.top - trace.bottom);
    std::size_t from = 0, to = seen.size(); // the samples averaged: whole periods, or all when flat
    if (!flat) {
        const std::vector<double> edges =
            RisingCrossings(seen, (*hi + *lo) / 2, kHysteresisShare * (*hi - *lo));
        if (edges.size() < 2) return m; // less than one period on screen
        const double periods = static_cast<double>(edges.size() - 1);
        m.period = (edges.back() - edges.front()) / periods * trace.sampleInterval;
        m.frequency = 1 / *m.period;
        from = static_cast<std::size_t>(std::ceil(edges.front()));
        to = static_cast<std::size_t>(std::ceil(edges.back()));
    }
    if (cutAbove || cutBelow || from >= to) return m;
    double sum = 0, squares = 0;
    for (std::size_t i = from; i < to; ++i) {
        sum += seen[i];
        squares += seen[i] * seen[i];
    }
    const double count = static_cast<double>(to - from);
    m.mean = sum / count;
    m.rms = std::sqrt(squares / count);
    return m;
}

} // namespace ondivel
