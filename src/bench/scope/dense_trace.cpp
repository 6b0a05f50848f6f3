#include "bench/scope/dense_trace.h"

#include "bench/sources/harmonic_sum.h"

namespace ondivel {

namespace {
// Samples of one period that find a harmonic sum's extremes: 50 a period of the 20th order.
constexpr int kExtremeSamples = 1024;
constexpr double kAlternatorPeak = 1.5;
} // namespace

std::optional<Extremes> WaveformExtremes(const Ondivel& app, int side, Waveform waveform, double f, double A,
                                         double O) {
    const double a = std::abs(A);
    switch (waveform) {
    case Waveform::Sine:
    case Waveform::Square:
    case Waveform::Triangle:
        return Extremes{O - a, O + a};
    case Waveform::Alternator:
        return Extremes{-kAlternatorPeak * a, kAlternatorPeak * a};
    case Waveform::Harmonic: {
        // Every order is a multiple of f: one period holds the extremes.
        Extremes e;
        e.low = e.high = HarmonicSumValue(app, side, 0, f, A);
        for (int k = 1; k < kExtremeSamples; ++k) {
            const double v = HarmonicSumValue(app, side, k / (kExtremeSamples * f), f, A);
            e.low = std::min(e.low, v);
            e.high = std::max(e.high, v);
        }
        return e;
    }
    case Waveform::Dc:
    case Waveform::None:
        break;
    }
    return std::nullopt;
}

} // namespace ondivel
