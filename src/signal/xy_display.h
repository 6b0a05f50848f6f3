#pragma once
// The XY mode figure: CH1 deflects horizontally, CH2 vertically. One frame per tick of frmOndivel's
// tmrXY, each frame starting at the sample number PhaseXY.

namespace ondivel {

class Ondivel;

// Draws one frame of 1001 samples from startSample on a freshly cleared screen, then the overlay.
void DrawXY(Ondivel& app, double startSample);

} // namespace ondivel
