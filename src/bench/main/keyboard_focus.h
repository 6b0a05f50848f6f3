#pragma once
// The keyboard without a mouse, headless: which control of a panel Tab reaches next, what a key
// does to the control that has the focus, and which open panel F6 goes to. The desktop view
// manager and the scenario harness both ask here, so a lesson played with keys alone goes the
// same way in both.
#include <vector>

#include "core/knob_steps.h"

namespace ondivel {

class Control;
class Form;
class Ondivel;

// The controls of the window's tab order (TabOrder), resolved.
std::vector<Control*> TabStops(const Form& form);
// Whether a stop takes the focus now: visible and enabled, and for the harmonic generator's
// sliders, in a column of the tab shown.
bool TakesFocus(const Form& form, const Control& stop);
// The stop Tab (`forward`) or Shift+Tab reaches from `current`, wrapping round inside the
// window; from null, the first (or last) one. Null when no stop takes the focus.
Control* NextStop(const Form& form, const Control* current, bool forward);

// What a key does to the control with the focus, as on the desktop: Space and Enter press a
// button or plug and unplug a terminal; the arrows, Page Up/Down, Home and End turn a knob (a
// drag, `shift` finer), move a slider, the harmonic tabs, a meter's selector and the battery's
// polarity switch; on the oscilloscope's screen, what screen_keys.h says. False when the key does
// nothing there.
bool PressKey(Control& focused, NavKey key, bool shift);
// The focus leaves a stop for another: the screen's keyboard pointer goes with it.
void LeaveStop(Control& stop);

// The open panel after (or before) `current` in the order the program made them, wrapping
// round; the first one from null. Null when no panel is open.
Form* NextPanel(const Ondivel& app, const Form* current, bool forward);
// Activates the panel (its Activate runs) and returns its first stop, null when it has none.
Control* EnterPanel(Form& panel);

} // namespace ondivel
