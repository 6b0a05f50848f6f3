#pragma once
// The oscilloscope's screen from the keyboard, the last Tab stop of the front panel: the arrows
// move a pointer of the keyboard over it whose read-out is the mouse's (picEcran_MouseMove),
// Enter shows the full-screen view as a double-click does, Escape hides the pointer and its
// read-out. The desktop view and the scenario harness press their keys here.
#include "core/knob_steps.h"

namespace ondivel {

class FrmOndivel;

// Where the keyboard's pointer stands, in screen units (100 a division, the centre at 0, 0).
struct ScreenPointer {
    bool shown = false;
    double x = 0, y = 0;
};

// What a key does while the screen has the focus. The first key that moves shows the pointer where
// it stands (the centre at first); then the arrows move it a tenth of a division (`fine`: a
// hundredth), Page Up and Page Down a division up and down, Home and End to the left and right
// edges. False for a key the screen does not answer.
bool PressScreenKey(FrmOndivel& scope, NavKey key, bool fine);
// Hides the pointer and the read-out it showed (Escape, or the focus going elsewhere).
void HideScreenPointer(FrmOndivel& scope);

} // namespace ondivel
