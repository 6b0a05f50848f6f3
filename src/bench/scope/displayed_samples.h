#pragma once
// Equally spaced samples of the voltages the screen shows, as a digital oscilloscope would take
// them for its automatic measurements. They come from the renderer's own functions (coupling,
// "-CH2", ADD, the generators' waveforms) so that they follow the trace drawn, not the sources'
// settings. Used by frmMesures.
#include <functional>
#include <string>
#include <vector>

namespace ondivel {

class Ondivel;

// The samples taken across the screen's ten divisions, whatever the time base or the files say.
inline constexpr int kDisplayedSamples = 2000;

struct DisplayedTrace {
    std::string name;           // "CH1", "CH2" or "ADD"
    std::vector<double> volts;  // left to right, the voltage as the channel's scale reads it
    double sampleInterval = 0;  // seconds
    double startTime = 0;       // seconds from the trace's left end to the first sample
    double bottom = 0, top = 0; // the voltages at the screen's lower and upper edges
    // Drawn as the band between its extremes (IsDenseTrace): no period can be read from it.
    bool band = false;
    // The same voltage between the samples (at a fractional sample index), for the measurements to
    // place a square's edges exactly; empty for a band. Holds a reference to the application.
    std::function<double(double)> between;
};

// What decides the samples of one displayed trace, worked out without sampling it: the mode, the
// channel's waveform, knobs and coupling, the time base and the trigger's shift. The measurements
// use it to measure again only a trace that changed.
struct TracePlan {
    enum class Kind { Unsampled, Channel, Sum };
    Kind kind = Kind::Unsampled;
    std::string name;
    int channel = 0;
    int samples = 0;
    double from = 0, to = 0; // the trace's abscissae sampled (before the PositionH shift)
    // The channel as the renderer reads it (coupling applied, "-CH2" too); unused for the sum.
    int waveform = 0;
    double A = 0, f = 0, O = 0, P = 0, S = 1, B = 0, shift = 0;
    float duty = 0;
    bool gnd = false, ac = false, slow = false;

    // Whether this plan's samples are those of `earlier` for certain. Only a trace off the screen
    // and a sine, square, triangle, alternator or direct voltage on the fast time bases are
    // decided by the plan alone; the sum, the harmonic generator and the sweep read more of the
    // bench, and are never the same for this purpose.
    bool sameSamplesAs(const TracePlan& earlier) const;
};

// The plans of the traces SampleDisplayedTraces returns now, in the same order.
std::vector<TracePlan> PlanDisplayedTraces(const Ondivel& app, int samples = kDisplayedSamples);
// The samples of one planned trace, the bench unchanged since it was planned.
DisplayedTrace SampleTrace(const Ondivel& app, const TracePlan& plan);

// The traces on the screen now, after a refresh: CH1, CH2, both in DUAL, their sum in ADD; none
// when the scope is off, in XY (no time axis) or on the spectrum. A channel in use that draws
// nothing (no waveform, a square or triangle without frequency, the trace moved off the screen)
// comes without samples. `samples` spaced evenly from the screen's left edge to its right one.
std::vector<DisplayedTrace> SampleDisplayedTraces(const Ondivel& app, int samples = kDisplayedSamples);

} // namespace ondivel
