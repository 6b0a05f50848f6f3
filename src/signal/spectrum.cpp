#include "signal/spectrum.h"

namespace ondivel {

// Call sites left for the spectrum display: nothing is drawn yet.
void DrawSpectrum(Ondivel&, int) {}
void DrawSumSpectrum(Ondivel&) {}

} // namespace ondivel
