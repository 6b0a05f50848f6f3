// The automatic measurements against values a pupil works out by hand, from 2000 samples across
// the ten divisions of the screen as the bench takes them.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "physics/trace_measurements.h"

namespace ondivel {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kSamples = 2000;
constexpr double kUnknown = -1e300; // the measurement must show "?"
constexpr double kAny = 1e300;      // not checked in that case

double Square(double t, double f, double duty, double high, double low) {
    const double phase = t * f - std::floor(t * f);
    return phase < duty ? high : low;
}

double Triangle(double t, double f, double peak) {
    const double phase = t * f - std::floor(t * f);
    return peak * (phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase);
}

struct Case {
    const char* name;
    std::function<double(double)> volts; // of the time in seconds
    double timePerDiv, voltsPerDiv;
    double vpp, vmax, vmin, vmean, veff, period, frequency;
};

std::vector<double> Samples(const Case& c, double dt) {
    std::vector<double> v(kSamples);
    for (int i = 0; i < kSamples; ++i)
        v[i] = c.volts(i * dt);
    return v;
}

void ExpectMeasured(const char* what, const std::optional<double>& got, double expected) {
    if (expected == kAny) return;
    if (expected == kUnknown) {
        EXPECT_FALSE(got.has_value()) << what << " should be unknown, got " << got.value_or(0);
        return;
    }
    ASSERT_TRUE(got.has_value()) << what << " unknown, expected " << expected;
    EXPECT_NEAR(*got, expected, 5e-3 * std::max(1.0, std::abs(expected))) << what;
}

TEST(TraceMeasurements, MatchHandWorkedValues) {
    const double s3 = std::sqrt(3.0), s2 = std::sqrt(2.0);
    // clang-format off
    const Case cases[] = {
        // 5 V peak, 50 Hz: 2.5 periods on screen.
        {"sine 50 Hz", [](double t) { return 5 * std::sin(2 * kPi * 50 * t); }, 5e-3, 2,
         10, 5, -5, 0, 5 / s2, 20e-3, 50},
        // 25 % square between +5 V and −5 V in DC coupling: mean 5·0.25 − 5·0.75.
        {"square 25 % DC", [](double t) { return Square(t, 1000, 0.25, 5, -5); }, 0.5e-3, 2,
         10, 5, -5, -2.5, 5, 1e-3, 1000},
        // The same in AC coupling: shifted up by its mean, 2.5 V; r.m.s. √(0.25·7.5² + 0.75·2.5²).
        {"square 25 % AC", [](double t) { return Square(t, 1000, 0.25, 7.5, -2.5); }, 0.5e-3, 2,
         10, 7.5, -2.5, 0, std::sqrt(18.75), 1e-3, 1000},
        {"triangle 3 V 200 Hz", [](double t) { return Triangle(t, 200, 3); }, 2e-3, 1,
         6, 3, -3, 0, 3 / s3, 5e-3, 200},
        // A battery: flat, so no period; its mean and r.m.s. are its voltage.
        {"battery 4.5 V", [](double) { return 4.5; }, 1e-3, 2,
         0, 4.5, 4.5, 4.5, 4.5, kUnknown, kUnknown},
        // ADD of 2 V at 100 Hz and 1 V at 300 Hz: period of the slower, r.m.s. √((2² + 1²)/2).
        {"add of two sines", [](double t) { return 2 * std::sin(2 * kPi * 100 * t) + std::sin(2 * kPi * 300 * t); },
         5e-3, 1, kAny, kAny, kAny, 0, std::sqrt(2.5), 10e-3, 100},
        // A fast ripple crosses the middle level several times at each edge: one period still.
        {"sine with ripple", [](double t) { return 2 * std::sin(2 * kPi * 100 * t) + 0.1 * std::sin(2 * kPi * 7000 * t); },
         5e-3, 1, kAny, kAny, kAny, 0, std::sqrt(2.005), 10e-3, 100},
        // 5 V peak on 1 V/div leaves the screen at ±4 V: the extremes, the mean and the r.m.s.
        // cannot be read, the period still can.
        {"clipped sine", [](double t) { return 5 * std::sin(2 * kPi * 50 * t); }, 5e-3, 1,
         kUnknown, kUnknown, kUnknown, kUnknown, kUnknown, 20e-3, 50},
        // Exactly at full scale: drawn on the edge, still measured.
        {"sine at full scale", [](double t) { return 4 * std::sin(2 * kPi * 50 * t); }, 5e-3, 1,
         8, 4, -4, 0, 4 / s2, 20e-3, 50},
        // Half a period on screen: the extremes show, the period and averages do not.
        {"half a period", [](double t) { return 5 * std::sin(2 * kPi * 50 * t); }, 1e-3, 2,
         5, 5, 0, kUnknown, kUnknown, kUnknown, kUnknown},
        // Cut only below: the maximum is known, the minimum and peak-to-peak are not.
        {"cut below", [](double t) { return -2 + 5 * std::sin(2 * kPi * 50 * t); }, 5e-3, 1,
         kUnknown, 3, kUnknown, kUnknown, kUnknown, 20e-3, 50},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const double dt = 10 * c.timePerDiv / kSamples;
        const std::vector<double> v = Samples(c, dt);
        const TraceMeasurements m = MeasureTrace({v, dt, -4 * c.voltsPerDiv, 4 * c.voltsPerDiv});
        ExpectMeasured("Vpp", m.peakToPeak, c.vpp);
        ExpectMeasured("Vmax", m.maximum, c.vmax);
        ExpectMeasured("Vmin", m.minimum, c.vmin);
        ExpectMeasured("Vmoy", m.mean, c.vmean);
        ExpectMeasured("Veff", m.rms, c.veff);
        ExpectMeasured("T", m.period, c.period);
        ExpectMeasured("f", m.frequency, c.frequency);
    }
}

// Three figures of 5/√2 = 3.5355 read 3,54 only if the r.m.s. is right to 1.4e-4: averaging whole
// samples from edge to edge, one sample more or less, read 3,53 at ten periods on the screen.
TEST(TraceMeasurements, AveragesOverWholePeriodsWithinAThreeFigureReading) {
    for (double periods : {2.5, 10.0, 10.37, 50.0}) {
        const double dt = 1.0 / kSamples;
        std::vector<double> v(kSamples);
        for (int i = 0; i < kSamples; ++i)
            v[i] = 5 * std::sin(2 * kPi * periods * i * dt);
        const TraceMeasurements m = MeasureTrace({v, dt, -8, 8});
        ASSERT_TRUE(m.rms && m.mean) << periods;
        EXPECT_NEAR(*m.rms, 5 / std::numbers::sqrt2, 1e-4 * 3.5355) << periods << " periods";
        EXPECT_NEAR(*m.mean, 0, 1e-3) << periods << " periods";
    }
}

// Samples alone place a square's edge to within one sample: 1 kHz across 10 ms read 999,5 Hz
// beside a period of 1,00 ms. With the trace between the samples both read exactly, whatever the
// phase of the edges against the samples, and a trace without it keeps the sampled estimate.
TEST(TraceMeasurements, PlacesASquaresEdgesBetweenItsSamples) {
    const double dt = 10e-3 / (kSamples - 1);
    for (double f : {1000.0, 500.0, 2000.0, 250.0})
        for (double phase : {0.0, 0.1, 0.37, 0.9}) {
            const auto volts = [&](double index) { return Square(index * dt + phase / f, f, 0.5, 3, -3); };
            std::vector<double> v(kSamples);
            for (int i = 0; i < kSamples; ++i)
                v[i] = volts(i);
            const TraceMeasurements m = MeasureTrace({v, dt, -8, 8}, volts);
            ASSERT_TRUE(m.frequency) << f;
            EXPECT_NEAR(*m.frequency, f, 1e-6 * f) << f << " Hz, phase " << phase;
            // The mean still sees the jumps between samples: good to the reading's last figure.
            ASSERT_TRUE(m.mean);
            EXPECT_NEAR(*m.mean, 0, 5e-3) << f << " Hz, phase " << phase;
        }
    const auto volts = [&](double index) { return Square(index * dt, 1000, 0.5, 3, -3); };
    std::vector<double> v(kSamples);
    for (int i = 0; i < kSamples; ++i)
        v[i] = volts(i);
    const TraceMeasurements sampledOnly = MeasureTrace({v, dt, -8, 8});
    EXPECT_NEAR(*sampledOnly.frequency, 1000, 1.0);
}

TEST(TraceMeasurements, NothingFromWhatCannotBeSampled) {
    const std::vector<double> two{1, 2}, withNaN{1, std::nan(""), 2};
    const std::vector<double> one{1};
    for (const SampledTrace& t : {SampledTrace{one, 1e-3, -4, 4}, SampledTrace{two, 0, -4, 4},
                                  SampledTrace{two, 1e-3, 4, -4}, SampledTrace{withNaN, 1e-3, -4, 4}}) {
        const TraceMeasurements m = MeasureTrace(t);
        EXPECT_FALSE(m.maximum || m.minimum || m.peakToPeak || m.mean || m.rms || m.period);
    }
    // An infinite voltage is beyond the edge, not a number to average.
    const std::vector<double> infinite{1, INFINITY, 1};
    const TraceMeasurements m = MeasureTrace({infinite, 1e-3, -4, 4});
    EXPECT_FALSE(m.maximum.has_value());
    EXPECT_EQ(m.minimum.value_or(0), 1);
}

} // namespace
} // namespace ondivel
