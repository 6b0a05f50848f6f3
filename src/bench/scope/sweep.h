#pragma once
// The beam-spot sweep of the slow time bases (10 ms/div and slower): the renderer starts it, and
// each tick of frmOndivel's tmrSpot redraws the short glowing piece just ahead of the spot, then
// moves the spot on by the real time elapsed since the previous tick.

namespace ondivel {

class Ondivel;
class Surface;

// Puts the spot at the centre of the trace frame and starts tmrSpot (interval 1 ms).
void StartSweep(Ondivel& app);

// One step of the sweep: redraws the glowing piece and advances the spot in real time.
void SweepTick(Ondivel& app);
// The picture one tick draws (the glowing piece from the spot), without moving the spot.
void DrawSweepPicture(Ondivel& app);

// Draws one channel's trace (0 = CH1, 1 = CH2) on `target` from abscissa x1 to x2. When x1 > x2
// the piece crosses the right edge: it runs from x1 to `right`, then from `left` to x2.
// The caller prints the overlay.
void DrawSweepSegment(Ondivel& app, Surface& target, double x1, double x2, double right, double left,
                      int channel);

// Height on the screen of the channel's trace at abscissa x; 0 (the centre line) for a keyword the
// sweep does not draw, such as the harmonic sum.
double ValueAtX(const Ondivel& app, int channel, double x);

// Distance between the computed points of a piece, in screen units: finer when the wired
// generators' ranges put many periods in a division.
double SweepPointStep(const Ondivel& app);

// Length of the glowing piece (0.04 s of signal) and speed of the spot (a division per BaseTemps
// seconds), in screen units.
inline double GlowLength(double baseTemps) {
    return 4 / baseTemps;
}
inline double SpotSpeed(double baseTemps) {
    return 100 / baseTemps;
}

} // namespace ondivel
