#pragma once
// The automatic sensitivities: the oscilloscope set the way a teacher would before a lesson —
// traces centred, each wired channel's peak filling at most four divisions, and about one period
// of the slower periodic source across the screen. Started from the main window's menu.
namespace ondivel {

class Ondivel;

// Sensitivity knob index (0…13) for a needed d volts per division: the smallest V/div ≥ d; a
// boundary value takes the finer scale; negative or above 50 V/div gives 100 V/div.
int SensitivityKnobFor(double voltsPerDivision);
// Time-base knob index (0…17) for a needed t seconds per division: the smallest s/div ≥ t; a
// boundary value takes the faster sweep; negative or above 0.2 s/div gives 0.5 s/div.
int TimeBaseKnobFor(double secondsPerDivision);

// Reads the toolbox wiring and the source outputs, turns the time-base and sensitivity knobs and
// applies them, recentres the traces and refreshes the display.
void AutoSettings(Ondivel& app);

} // namespace ondivel
