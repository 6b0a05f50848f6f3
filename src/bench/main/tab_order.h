#pragma once
// The keyboard's road through each instrument panel: per window name, the controls that take the
// focus, in the order Tab visits them. The desktop views set their Qt tab order from it and the
// scenario harness walks it, so both visit the same controls in the same order. A terminal
// stands for its plug too: Space on it plugs or unplugs, as a click on either does.
#include <string>
#include <vector>

namespace ondivel {

// Full control paths ("frmGBFA.Potentio(0)"), each once; empty for a window that is not an
// instrument panel (the main window, the dialogs, which keep the order of their controls).
//   frmOndivel  the power block (switch, intensity, focus), CH1 (VOLT/DIV, position, coupling),
//               CH2 alike, the mode block (previous, next, -CH2, FFT), the time base (T/DIV,
//               position, sweep pause, Auto), the input terminals CH1, CH2, ground, then the
//               screen.
//   frmToolBox  CH1's strip top to bottom, CH2's, then the meter, stopwatch and calculator.
//   the others  top to bottom, left to right; a knob is followed by its fine-adjustment slider.
std::vector<std::string> TabOrder(const std::string& formName);

} // namespace ondivel
