#pragma once
// The whole-trace drawers of the fast time bases: sine, harmonic sum, and square/triangle, drawn
// on the renderer's current target screen in screen units (100 per division, y up). Every drawer
// takes the colour, PositionH, the channel position P, the time base B (s/div) and the
// sensitivity S (V/div) first, then its waveform parameters. Called by the renderer. A waveform
// beyond the generators' reach that crowds a screen unit with periods (IsDenseTrace) is drawn as
// the band between its extremes, in some 8000 segments whatever its frequency.
#include <optional>

#include "core/color.h"

namespace ondivel {

class Ondivel;

// The start shift s of a trace synchronised on the trigger level (screen units): 500 + 100·t₀/B
// with t₀ the rising crossing of the level by a sine of phase 0; nullopt when the level lies
// beyond the amplitude (|k| > 1) and so is never crossed.
std::optional<double> TriggeredStartShift(double triggerLevel, double S, double f, double A, double B);

// The start shift of the sampled drawers: 2 with frmOndivel's "Auto" box checked or an
// uncrossable level, else the triggered shift. Sample abscissa i is the time (i + s)·B/100.
double StartShift(const Ondivel& app, double S, double f, double A, double B);

// 501 samples from x = −500 to 500 in steps of 2; the first segment has zero length.
// The phase is in degrees (always 0 for a channel); the duty cycle is not used.
void DrawSineTrace(Ondivel& app, Color color, double positionH, double P, double B, double S, double f,
                   double A, double phase, float duty, double offset);

// The harmonic generator of `side` (0 for CH1, 1 for CH2), sampled like the sine, with the
// hourglass pointer on the screen while it draws. Phase, duty and offset are not used.
void DrawHarmonicTrace(Ondivel& app, int side, Color color, double positionH, double P, double B, double S,
                       double f, double A, double phase, float duty, double offset);

// Four segments per period from the left edge (rise, high plateau of duty·T, fall, low plateau),
// starting with the beginning of a rise whatever "Auto" says. A vertex at ±A is drawn at
// P ± 100·A/S + 100·offset/S − 100·meanShift/S. Draws nothing when f = 0. Phase is not used.
void DrawSquareTriangleTrace(Ondivel& app, Color color, double positionH, double P, double B, double S,
                             double riseTime, double fallTime, double f, double A, float duty, double phase,
                             double offset, double meanShift);

// The bicycle alternator sampled like the sine, from a start shift the renderer keeps between
// drawings (it slides while "Auto" is checked).
void DrawAlternatorTrace(Ondivel& app, Color color, double positionH, double P, double B, double S, double f,
                         double A, double shift);

} // namespace ondivel
