#pragma once
// The ADD mode trace: CH1 + CH2, each at its own sensitivity, drawn in the CH1 colour.

namespace ondivel {

class Ondivel;

// Draws the sum for the abscissae fromX, fromX + 2, … toX (screen units), then the overlay.
// Called by the renderer for the whole screen at the fast time bases and by the sweep for the
// stretch the spot covered.
void DrawSumTrace(Ondivel& app, double fromX, double toX);

} // namespace ondivel
