#pragma once
// The instantaneous voltage of every periodic waveform the bench produces, as pure functions of
// time (seconds). Used by the trace drawers, the sweep, the sum, the XY display and the
// meters. The time origin belongs to the screen, so the same call always gives the same value.

namespace ondivel {

// A·sin(2πft + π·phaseDegrees/180) + offset. With f = 0 this is the constant A·sin(phase) + offset.
double SineValue(double t, double f, double amplitude, double phaseDegrees, double offset);

// Periodic four-segment waveform: a rise of riseTime from −A to +A, a high plateau of duty·T, a
// fall of fallTime back to −A, then a low plateau for the rest of the period; plus the offset.
// The square wave uses zero rise and fall times; the triangle uses rise d/f, fall (1 − d)/f and a
// duty of 0. With f = 0 the result is A + offset.
double SquareTriangleValue(double t, double riseTime, double fallTime, double f, double amplitude, float duty,
                           double offset);

// 50 % square wave without offset: +A in the first half period, −A in the second, and 0 on the
// edges themselves (within 1e-8 s of the period start, and exactly at half a period).
// With f = 0 the result is 0.
double SquareValue(double t, double f, double amplitude);

// The straight line through −A at t = start and +A at t = start + duration, plus the offset;
// just the offset when the duration is 0.
double RampValue(double t, double amplitude, double duration, double start, double offset);

// Symmetric triangle with offset: 0 at the start of the period and rising, +A at T/4, −A at 3T/4.
// Gives the offset alone on the period start (τ < 1e-8), at exactly T/2, and when f = 0.
double TriangleValue(double t, double f, double amplitude, double offset);

// Bicycle alternator: A·(sin 2πft − 0.3·sin 6πft + 0.2·sin 10πft); peak 1.5·A at a quarter period.
double AlternatorValue(double t, double f, double amplitude);

// τ = t − T·floor(t/T): the time within the period, in [0, T) for negative t too.
double TimeInPeriod(double t, double period);

} // namespace ondivel
