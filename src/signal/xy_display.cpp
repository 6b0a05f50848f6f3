#include "signal/xy_display.h"

namespace ondivel {

// Call site left for the XY display: nothing is drawn yet.
void DrawXY(Ondivel&, double) {}

} // namespace ondivel
