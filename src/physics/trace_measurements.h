#pragma once
// The automatic measurements of one displayed trace, computed as a digital oscilloscope computes
// them: from equally spaced samples of what the screen shows, never from the source's settings.
// A value that the screen cannot tell (a trace cut by the screen's edge, less than one period on
// screen, the period of a flat trace) is left empty and shown as "?".
#include <functional>
#include <optional>
#include <span>

namespace ondivel {

struct SampledTrace {
    std::span<const double> volts; // the displayed voltage, left to right across the screen
    double sampleInterval = 0;     // seconds between two samples
    double bottom = 0, top = 0;    // the voltages at the screen's lower and upper edges
};

struct TraceMeasurements {
    std::optional<double> peakToPeak, maximum, minimum, mean, rms, period, frequency;
};

// `between` gives the displayed voltage between samples (at a fractional sample index) when it is
// known. A square's edge falls anywhere between two samples; without it the period is good to one
// sample over the screen, enough for a 1 kHz square to read 999 Hz beside a period of 1,00 ms.
TraceMeasurements MeasureTrace(const SampledTrace& trace, const std::function<double(double)>& between = {});

} // namespace ondivel
