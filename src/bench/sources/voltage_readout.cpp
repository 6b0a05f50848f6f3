#include "bench/sources/voltage_readout.h"

#include <cmath>

#include "bench/bench_form.h"
#include "bench/ondivel.h"
#include "bench/sources/frm_alim.h"
#include "core/format.h"

namespace ondivel {

namespace {

void showVoltage(Form& form, double& amplitude) {
    auto* alim = dynamic_cast<FrmAlim*>(&form);
    if (!alim) return;
    if (alim->imgFiche[FrmAlim::kPlugNeg].Visible)
        amplitude = -std::fabs(amplitude);
    else if (alim->imgFiche[FrmAlim::kPlugPos].Visible)
        amplitude = std::fabs(amplitude);
    alim->lblAffichage.Caption = VoltageReadoutText(amplitude);
    alim->lblSigne.Visible = amplitude < 0;
}

} // namespace

std::string VoltageReadoutText(double volts) {
    const double magnitude = std::fabs(volts);
    return FormatComma(magnitude, magnitude < 10 ? "#0.00" : "#0.0");
}

void AfficherTensionA(BenchForm& form) {
    showVoltage(form, form.app().g.AmplitudeA);
}

void AfficherTensionB(BenchForm& form) {
    showVoltage(form, form.app().g.AmplitudeB);
}

} // namespace ondivel
