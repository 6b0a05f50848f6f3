#include "physics/waveforms.h"

#include <cmath>
#include <numbers>

namespace ondivel {

namespace {
constexpr double kTwoPi = 2 * std::numbers::pi;
// Below this many seconds into a period the sweep's square and triangle sit on their edge.
constexpr double kEdgeTime = 1e-8;
} // namespace

double TimeInPeriod(double t, double period) {
    return t - period * std::floor(t / period);
}

double SineValue(double t, double f, double amplitude, double phaseDegrees, double offset) {
    return amplitude * std::sin(kTwoPi * f * t + std::numbers::pi * phaseDegrees / 180) + offset;
}

double SquareTriangleValue(double t, double riseTime, double fallTime, double f, double amplitude, float duty,
                           double offset) {
    double period = 0, tau = 0;
    if (f != 0) {
        period = 1 / f;
        tau = TimeInPeriod(t, period);
    }
    const double riseEnd = riseTime;
    const double highEnd = riseTime + static_cast<double>(duty) * period;
    const double fallEnd = highEnd + fallTime;
    double v = 0;
    if (tau >= 0 && tau <= riseEnd)
        v = riseTime == 0 ? amplitude : amplitude * (2 * tau / riseTime - 1);
    else if (tau >= riseEnd && tau <= highEnd)
        v = amplitude;
    else if (tau >= highEnd && tau <= fallEnd)
        v = fallTime == 0 ? -amplitude : amplitude - 2 * amplitude * (tau - highEnd) / fallTime;
    else if (tau >= fallEnd && tau <= period)
        v = -amplitude;
    return v + offset;
}

double SquareValue(double t, double f, double amplitude) {
    if (f == 0) return 0;
    const double period = 1 / f;
    const double tau = TimeInPeriod(t, period);
    if (tau >= kEdgeTime && tau < period / 2) return amplitude;
    if (tau > period / 2 && tau < period) return -amplitude;
    return 0;
}

double RampValue(double t, double amplitude, double duration, double start, double offset) {
    if (duration == 0) return offset;
    return amplitude * (2 * (t - start) / duration - 1) + offset;
}

double TriangleValue(double t, double f, double amplitude, double offset) {
    double period = 0, tau = 0;
    if (f != 0) {
        period = 1 / f;
        tau = TimeInPeriod(t, period);
    }
    if (tau >= kEdgeTime && tau <= period / 4)
        return RampValue(tau, amplitude, period / 2, -period / 4, offset);
    if (tau >= period / 4 && tau < 3 * period / 4 && tau != period / 2)
        return amplitude * (2 - 4 * tau / period) + offset;
    if (tau >= 3 * period / 4 && tau <= period)
        return RampValue(tau, amplitude, period / 2, 3 * period / 4, offset);
    return offset;
}

double AlternatorValue(double t, double f, double amplitude) {
    const double w = kTwoPi * f * t;
    return amplitude * (std::sin(w) - 0.3 * std::sin(3 * w) + 0.2 * std::sin(5 * w));
}

} // namespace ondivel
