#include <string>

#include "bench/main/mdi_ondivel.h"
#include "bench/meters/frm_volt.h"
#include "bench/meters/measurement.h"
#include "bench/ondivel.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/keywords.h"

namespace ondivel {

namespace {

constexpr double kFluctuationMs = 500;

bool isDcRange(int position) {
    return position >= 0 && position <= 3;
}
bool isAcRange(int position) {
    return position >= 11 && position <= 14;
}

} // namespace

void MeasureSchoolVoltmeter(Ondivel& app) {
    if (!app.mdi().Mnu_Volt.Checked) return;
    FrmVolt& volt = app.frmVolt();
    const Globals& g = app.g;
    const bool ch1 = volt.optVoie[0].Value != 0;
    const FrmToolBox& toolbox = app.frmToolBox();
    if (toolbox.optConnexion[ch1 ? FrmToolBox::kNoneA : FrmToolBox::kNoneB].Value != 0) {
        volt.StopFluctuation();
        AfficherMesure(app, 0);
        return;
    }
    const bool wired = volt.imgFiche[FrmVolt::kPlugV].Visible &&
                       (ch1 ? g.SourceBrancheeA : g.SourceBrancheeB) &&
                       (ch1 ? g.EntreeBrancheeCH1 : g.EntreeBrancheeCH2) && g.VoltmetreBranche;
    const int position = g.PositionSelecteur;
    const double amplitude = ch1 ? g.AmplitudeA : g.AmplitudeB;
    const std::string& keyword = ch1 ? g.SignalA : g.SignalB;
    if (wired && isDcRange(position) && WaveformOf(keyword) != Waveform::Dc) {
        // An alternating voltage on a direct range: the timer makes the digits wander.
        volt.TempsAffichage = 1;
        volt.tmrVolt.Interval = kFluctuationMs;
        volt.tmrVolt.Enabled = true;
        return;
    }
    volt.StopFluctuation();
    double reading = 0;
    if (wired && (isDcRange(position) || isAcRange(position)))
        reading = ValeurEfficace(amplitude, keyword).value_or(0);
    AfficherMesure(app, reading);
}

} // namespace ondivel
