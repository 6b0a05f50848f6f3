#pragma once
// The harmonic generator's output: the mean value plus twenty harmonics whose amplitudes and
// phases are read from the side's panel sliders at the moment of the call, so a slider change
// shows at the next sample. Used by the harmonic trace drawer, the sum and the XY display; the
// mean value is left out in AC coupling when the option `CouplageACBloqueDC` is on.

namespace ondivel {

class Ondivel;

// X0 + Σ aₙ·sin(2πnft + φₙ) for the harmonic generator of side 0 (A) or 1 (B); 0 for any other
// side. aₙ = A × sldAmpli(n−1).Value / sldAmpli(n−1).Min (an order whose slider has a lower end
// of 0 is left out); φₙ = sldPhase(n−1).Value quarter turns; X0 = sldX0.Value volts, unscaled.
double HarmonicSumValue(const Ondivel& app, int side, double t, double f, double amplitude);

} // namespace ondivel
