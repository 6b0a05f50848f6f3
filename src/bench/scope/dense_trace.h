#pragma once
// Traces too dense for a screen to resolve, and coordinates every painter can take. A waveform
// whose periods crowd each screen unit many times over shows on an analogue screen as the band
// between its extremes: the drawers draw that band instead of every period, at a cost that does
// not grow with the frequency a hand-written file may give. Used by every trace drawer.
#include <algorithm>
#include <cmath>
#include <optional>

#include "core/color.h"
#include "core/keywords.h"
#include "core/surface.h"

namespace ondivel {

class Ondivel;

// Screen coordinates stay within ±1e9 units (the screen spans ±500, a panel's largest trace
// about ±5e5): nothing visible moves, and no painter meets an infinite or giant number.
inline constexpr double kCoordinateLimit = 1e9;

// The coordinate held within ±kCoordinateLimit; NaN (an infinite voltage times 0, ∞ − ∞) is 0.
inline double ScreenCoordinate(double units) {
    if (std::isnan(units)) return 0;
    return std::clamp(units, -kCoordinateLimit, kCoordinateLimit);
}

// The generators' top frequency, fine adjustment included: (1200 + 10) × 100 kHz / 1000.
inline constexpr double kBenchTopFrequency = 121000;
// Periods per screen unit beyond which a trace is a band: 32 square-wave segments a unit. The
// panels reach 6.05 at most (121 kHz at 5 ms/div).
inline constexpr double kDensePeriodsPerUnit = 8;

// Whether a periodic waveform of frequency f (Hz) at the time base B (s/div) is drawn as its band:
// beyond every generator's reach and more than kDensePeriodsPerUnit periods in a screen unit.
// Whatever the panels can set keeps being drawn period by period.
inline bool IsDenseTrace(double f, double B) {
    const double frequency = std::abs(f);
    return frequency > kBenchTopFrequency && frequency * std::abs(B) / 100 > kDensePeriodsPerUnit;
}

// The lowest and highest level of a band, in screen units (or volts, before scaling).
struct Extremes {
    double low = 0, high = 0;
};

// The lowest and highest voltage of a periodic waveform of peak A: the sine, square and triangle
// about their offset O, the alternator ±1.5·A (its harmonics add up at a quarter period), the
// harmonic generator of `side` from one period of its sum. nullopt for a direct voltage or an
// unknown keyword, which have no band.
std::optional<Extremes> WaveformExtremes(const Ondivel& app, int side, Waveform waveform, double f, double A,
                                         double O);

// Strokes of a band per screen unit: solid on screens of up to four pixels a unit.
inline constexpr int kBandColumnsPerUnit = 4;

// The band from fromX to toX (before the shift): a vertical stroke between the extremes every
// quarter unit, alternately upwards and downwards, each joined to the next along the band's
// edge, drawn at shiftX + x. `extremesAt(x)` gives the extremes at x in screen units.
// Nothing when toX < fromX.
template <class ExtremesAt>
void DrawBand(Surface& screen, Color color, double shiftX, double fromX, double toX, ExtremesAt extremesAt) {
    const double span = std::floor((toX - fromX) * kBandColumnsPerUnit + 1e-9);
    if (!(span >= 0)) return;
    const long columns = static_cast<long>(std::min(span, 1e6));
    double previousX = 0, previousY = 0;
    for (long k = 0; k <= columns; ++k) {
        const double x = shiftX + fromX + static_cast<double>(k) / kBandColumnsPerUnit;
        const Extremes e = extremesAt(fromX + static_cast<double>(k) / kBandColumnsPerUnit);
        const double low = ScreenCoordinate(std::min(e.low, e.high));
        const double high = ScreenCoordinate(std::max(e.low, e.high));
        const bool upwards = k % 2 == 0;
        const double start = upwards ? low : high, end = upwards ? high : low;
        if (k > 0) screen.line(previousX, previousY, x, start, color);
        screen.line(x, start, x, end, color);
        previousX = x;
        previousY = end;
    }
}

} // namespace ondivel
