#include "bench/sources/harmonic_sum.h"

#include <cmath>
#include <numbers>

#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_harmonique.h"

namespace ondivel {

namespace {
constexpr int kOrders = 20;
}

double HarmonicSumValue(const Ondivel& app, int side, double t, double f, double amplitude) {
    if (side != SideA && side != SideB) return 0;
    const FrmHarmonique& panel = app.frmHarmonique(side);
    // The mean value is the constant a realistic AC coupling of the side's channel blocks.
    const bool blocked = app.g.CouplageACBloqueDC && app.frmOndivel().couplingLit(side, Coupling::AC);
    double v = blocked ? 0 : panel.sldX0.Value;
    for (int n = 1; n <= kOrders; ++n) {
        const Control& level = panel.sldAmpli[n - 1];
        if (level.Min == 0) continue;
        const double a = amplitude * level.Value / level.Min;
        const double phase = std::numbers::pi * panel.sldPhase[n - 1].Value / 2;
        v += a * std::sin(2 * std::numbers::pi * n * f * t + phase);
    }
    return v;
}

} // namespace ondivel
