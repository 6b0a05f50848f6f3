#pragma once
// The pointer's place on the screen in the units of the knobs, beside the cursor read-out (whose
// divisions the documents fix): "CH1 : 1,25 V ; t = 2,50 ms", one line a trace shown, read as the
// measurement cursors read theirs. Free mode only: during an evaluated test it would read the
// answers off the screen. Used by the front panel and the full-screen view.
#include <string>

namespace ondivel {

class Control;
class Ondivel;

// The lines for the screen point (x, y), joined by "\r\n": a line per trace of the mode (the sum
// in ADD, read on CH1's scale), "X (CH1) : …" and "Y (CH2) : …" in XY; empty on the spectrum,
// with no channel shown, or outside free mode.
std::string PointerVoltsCaption(const Ondivel& app, double x, double y);

// Gives `label` that caption and puts it beside the read-out just placed, away from the pointer
// and inside the screen; hides it when the caption is empty.
void PlacePointerVolts(const Ondivel& app, Control& label, const Control& readout, double x, double y);

} // namespace ondivel
