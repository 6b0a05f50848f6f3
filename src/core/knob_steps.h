#pragma once
// How far a key or a wheel notch turns a knob, and which keys a focused control answers: the
// desktop knob and the scenario harness share these rules, so a key does the same in both.
#include <optional>
#include <string_view>

namespace ondivel {

// The keys that operate a focused control (Tab and F6 move the focus and are not among them).
enum class NavKey { Space, Enter, Up, Down, Left, Right, PageUp, PageDown, Home, End, Escape };

// "Space", "Enter", "Up", "PageDown", "Escape" …; nullopt for a name that is none of them.
std::optional<NavKey> navKeyNamed(std::string_view name);

namespace knob {

// One arrow-key or wheel step: one unit on scales up to 120 units (so each notch of the time base
// and sensitivity knobs is one step), else 1/120 of the scale rounded to whole units (10 Hz of
// the 1200-step frequency knob, 0.1 V of the 12000-step amplitude knob).
double stepOf(double min, double max);
// With Shift held: a tenth of a step, never below one unit (or the step itself when smaller).
double fineStepOf(double min, double max);
// Page Up/Down: ten steps.
double pageOf(double min, double max);

// Where a key turns a knob standing at `value`: Up and Right one step up, Down and Left one
// down (`fine`: Shift held), Page Up/Down ten steps, Home and End the ends; nullopt for a key the
// knob does not answer. The target is not clamped: the drag that applies it clamps.
std::optional<double> keyTarget(NavKey key, double value, double min, double max, bool fine);

} // namespace knob
} // namespace ondivel
