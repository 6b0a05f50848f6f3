#pragma once
// The pure geometry of the rotary knob, shared by its painting and its input handling: where the
// pointer stands for a value and how far a drag turns it (keys and the wheel: core/knob_steps.h).
#include "core/knob_steps.h"

namespace ondivel::knob {

// The pointer sweeps 300°, from 150° left of 12 o'clock (at Min) to 150° right of it (at Max).
constexpr double kSweepDegrees = 300.0;

// Pointer angle in degrees clockwise from 12 o'clock; values outside Min..Max are clamped.
double angleOf(double value, double min, double max);

// The value change of a vertical drag of `pixels` (positive upwards): the whole scale over
// `fullTravel` pixels, ten times finer with Shift.
double dragDelta(double pixels, double min, double max, double fullTravel, bool fine);

// A dragged value as the model receives it: whole units on scales above 20 units (a frequency
// of 650 Hz, not 650.37 Hz), continuous on the small notched scales, whose panels round it.
double snapped(double value, double min, double max);

} // namespace ondivel::knob
