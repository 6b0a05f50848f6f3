#pragma once
// The beam-spot sweep of the slow time bases (10 ms/div and slower): the renderer starts it, and
// each tick of frmOndivel's tmrSpot redraws the short glowing piece just ahead of the spot.

namespace ondivel {

class Ondivel;

// Puts the spot at the centre of the trace frame and starts tmrSpot (interval 1 ms).
void StartSweep(Ondivel& app);
// One step of the sweep: redraws the glowing piece and advances the spot in real time.
void SweepTick(Ondivel& app);

} // namespace ondivel
