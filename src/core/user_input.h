#pragma once
// What a user does to a window model, with the rules of the classic toolkit: a disabled or
// invisible control receives nothing, a user event on a window that is not the active one
// activates it first, and knobs and sliders take their new value before they raise their events.
// The desktop views and the script harness both act through these functions.
#include <string>

namespace ondivel {

class Control;
class Form;

namespace user {

// Each returns false when the control could not receive the event (disabled or invisible).
bool click(Control& c);
bool dblClick(Control& c);
// Knob drag: Value clamped to Min..Max, then MouseDown, MouseMove, MouseUp with the button mask.
bool drag(Control& knob, double value, int button = 1);
// The three stages of a knob drag by hand, each setting Value (clamped) before its event, so a
// view can raise MouseDown on press, MouseMove while the pointer moves and MouseUp on release.
bool knobDown(Control& knob, double value, int button, int shift = 0);
bool knobMove(Control& knob, double value, int button, int shift = 0);
bool knobUp(Control& knob, double value, int button, int shift = 0);
// MouseDown then MouseUp without changing a value.
bool press(Control& c, int button = 1);
// Rotary selector drag to an angle, clockwise from 12 o'clock: MouseMove then MouseUp at the
// matching point of a circle around the control's centre, in its own scale.
bool rotate(Control& selector, double degrees, int button = 1);
// Slider drag: Value clamped, then Scroll, then Change.
bool slide(Control& slider, double value);
// A choice in a list or combo box: ListIndex and Click; in a list box that line alone is selected.
bool select(Control& list, int index);
// Focus, one KeyPress per character replacing the selection (a handler may refuse it by setting
// the key to 0), then LostFocus.
bool type(Control& textBox, const std::string& utf8Text);
bool move(Control& c, double x, double y, int button = 0);
// The pointer leaves the control: MouseLeave, without activating its window.
bool leave(Control& c);
// Key pressed on a window (F1 = 112).
void key(Form& form, int keyCode, int shift = 0);
void clickForm(Form& form);
void moveOverForm(Form& form, double x, double y, int button = 0);
// The user closes the window.
void close(Form& form);

// The point of a rotary selector at an angle, clockwise from 12 o'clock, on a circle of radius r
// around (cx, cy) in a scale whose y grows downwards.
void pointAtAngle(double degrees, double cx, double cy, double r, double& x, double& y);

} // namespace user
} // namespace ondivel
