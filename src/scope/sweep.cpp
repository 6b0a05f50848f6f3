#include "scope/sweep.h"

#include "core/ondivel.h"
#include "core/platform.h"
#include "scope/frm_ondivel.h"

namespace ondivel {

void StartSweep(Ondivel& app) {
    app.g.CompteurPrecedent = app.platform().counterValue();
    app.g.PositionSpot = app.g.PositionH;
    Control& timer = app.frmOndivel().tmrSpot;
    timer.Enabled = true;
    timer.Interval = 1;
}

// Call site left for the sweep step: the spot is not drawn yet.
void SweepTick(Ondivel&) {}

} // namespace ondivel
