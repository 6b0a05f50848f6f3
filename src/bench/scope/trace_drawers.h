#pragma once
// The whole-trace drawers of the fast time bases, drawn on a given surface in screen units (100 per
// division, y up). They draw what they are given: the frame of the channel, and the wave as a
// voltage function or as square/triangle timings. The renderer gathers those from the bench; the
// drawers never see it, so they are tested on a recording surface alone.
#include <functional>
#include <optional>

#include "bench/scope/dense_trace.h"
#include "core/color.h"

namespace ondivel {

class Surface;

// Where a channel's trace goes: the horizontal position H and the channel's position P (screen
// units), the time base B (s/div) and the sensitivity S (V/div).
struct TraceFrame {
    double positionH = 0;
    double P = 0;
    double B = 1e-3;
    double S = 1;
};

// The start shift s of a trace synchronised on the trigger level (screen units): 500 + 100·t₀/B
// with t₀ the rising crossing of the level by a sine of phase 0; nullopt when the level lies
// beyond the amplitude (|k| > 1) and so is never crossed.
std::optional<double> TriggeredStartShift(double triggerLevel, double S, double f, double A, double B);

// The start shift of the sampled drawers: 2 while the scope's "Auto" box is checked or the level
// cannot be crossed, else the triggered shift. Sample abscissa i is the time (i + s)·B/100.
double StartShift(bool automatic, double triggerLevel, const TraceFrame& frame, double f, double A);

// 501 samples of voltageAt(t) from x = −500 to 500 in steps of 2, as one polyline; the first
// segment has zero length.
void DrawSampledTrace(Surface& screen, Color color, const TraceFrame& frame, double shift,
                      const std::function<double(double)>& voltageAt);

// A trace too dense to draw period by period (IsDenseTrace): the band between its extreme voltages
// across the screen.
void DrawBandTrace(Surface& screen, Color color, const TraceFrame& frame, Extremes volts);

// A square (no rise or fall time) or triangle (no plateau) wave.
struct SquareTriangleWave {
    double f = 0;
    double A = 0;
    double riseTime = 0;
    double fallTime = 0;
    float duty = 0;
    double offset = 0;
    // The mean value AC coupling removes.
    double meanShift = 0;
};

// Four segments per period from the left edge (rise, high plateau of duty·T, fall, low plateau),
// starting with the beginning of a rise whatever "Auto" says. A vertex at ±A is drawn at
// P ± 100·A/S + 100·offset/S − 100·meanShift/S. Draws nothing when f = 0; the band between the two
// levels when the wave is dense.
void DrawSquareTriangleTrace(Surface& screen, Color color, const TraceFrame& frame,
                             const SquareTriangleWave& wave);

} // namespace ondivel
