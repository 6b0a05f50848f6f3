#pragma once
// The pure geometry of the rotary knob, shared by its painting and its input handling: where the
// pointer stands for a value, and how far a key, the wheel or a drag turns it.
namespace ondivel::knob {

// The pointer sweeps 300°, from 150° left of 12 o'clock (at Min) to 150° right of it (at Max).
constexpr double kSweepDegrees = 300.0;

// Pointer angle in degrees clockwise from 12 o'clock; values outside Min..Max are clamped.
double angleOf(double value, double min, double max);

// One arrow-key or wheel step: one unit on scales up to 120 units (so each notch of the time base
// and sensitivity knobs is one step), else 1/120 of the scale rounded to whole units (10 Hz of
// the 1200-step frequency knob, 0.1 V of the 12000-step amplitude knob).
double stepOf(double min, double max);
// With Shift held: a tenth of a step, never below one unit (or the step itself when smaller).
double fineStepOf(double min, double max);
// Page Up/Down: ten steps.
double pageOf(double min, double max);

// The value change of a vertical drag of `pixels` (positive upwards): the whole scale over
// `fullTravel` pixels, ten times finer with Shift.
double dragDelta(double pixels, double min, double max, double fullTravel, bool fine);

// A dragged value as the model receives it: whole units on scales above 20 units (a frequency
// of 650 Hz, not 650.37 Hz), continuous on the small notched scales, whose panels round it.
double snapped(double value, double min, double max);

} // namespace ondivel::knob
