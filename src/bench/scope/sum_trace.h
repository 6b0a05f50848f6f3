#pragma once
// The ADD mode trace: CH1 + CH2, each at its own sensitivity, drawn in the CH1 colour. Called by
// the renderer for the whole screen at the fast time bases and by the sweep for the stretch the
// spot covered at the slow ones.

namespace ondivel {

class Ondivel;

// Draws the sum for the abscissae fromX, fromX + 2, … up to toX (screen units, before the
// PositionH shift), then the settings overlay. Time runs from the left edge of the screen,
// whatever "Auto" says. Nothing but the overlay when toX < fromX.
void DrawSumTrace(Ondivel& app, double fromX, double toX);

// The height (screen units) channel 0 (CH1) or 1 (CH2) adds to the sum at time t, from its
// working copy and sensitivity: 0 in GND or for an unknown keyword, negated for CH2 under "-CH2".
// Positions are not included.
double SumChannelHeight(const Ondivel& app, int channel, double t);

} // namespace ondivel
