#include <algorithm>
#include <cctype>
#include <cmath>

#include "bench/meters/frm_multi_rms.h"
#include "bench/meters/measurement.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_gbf.h"
#include "bench/toolbox/frm_toolbox.h"

namespace ondivel {

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

bool isSquare(const std::string& keyword) {
    const std::string k = lower(keyword);
    return k == "carre" || k == "carrée";
}

// What the meter's channel carries, read from the shared state.
struct Channel {
    double amplitude, offset, duty;
    std::string keyword;
    bool generator; // a function generator that is switched on
};

Channel channelOf(const Ondivel& app, int side) {
    const Globals& g = app.g;
    const bool b = side == SideB;
    const FrmToolBox& toolbox = app.frmToolBox();
    const bool gbf =
        toolbox.optConnexion[b ? FrmToolBox::kGbfB : FrmToolBox::kGbfA].isOn() && app.frmGBF(side).isOn();
    return {b ? g.AmplitudeB : g.AmplitudeA, gbf ? (b ? g.OffsetCH2 : g.OffsetCH1) : 0,
            gbf ? (b ? g.RapportCycliqueCH2 : g.RapportCycliqueCH1) : 0.5, b ? g.SignalB : g.SignalA, gbf};
}

} // namespace

void MeasureTrms(Ondivel& app) {
    FrmMultiRMS& meter = app.frmMulti_RMS();
    const int position = app.g.PositionSelecteur;
    if (!meter.loaded() || position == FrmMultiRMS::kOff) return;

    const int side = meter.channel() == 0 ? SideA : SideB;
    const bool b = side == SideB;
    const Globals& g = app.g;
    const FrmToolBox& toolbox = app.frmToolBox();
    const bool hasSource = !toolbox.optConnexion[b ? FrmToolBox::kNoneB : FrmToolBox::kNoneA].isOn();
    const bool connected = hasSource && meter.imgFiche[0].Visible &&
                           (b ? g.SourceBrancheeB : g.SourceBrancheeA) &&
                           (b ? g.EntreeBrancheeCH2 : g.EntreeBrancheeCH1) && g.VoltmetreBranche;
    const bool voltage = position == FrmMultiRMS::kVoltsAC || position == FrmMultiRMS::kVoltsDC ||
                         position == FrmMultiRMS::kMilliVoltsDC;
    if (!connected || !voltage) {
        meter.Afficher(0);
        return;
    }
    if (meter.memory() != FrmMultiRMS::Memory::Off) {
        meter.Afficher(ValeurCreteSignal(app, side, meter.memory() == FrmMultiRMS::Memory::Max));
        return;
    }
    const Channel c = channelOf(app, side);
    if (position == FrmMultiRMS::kVoltsAC) {
        const double r = ValeurEfficace(c.amplitude, c.keyword).value_or(0);
        const double m =
            c.generator && isSquare(c.keyword) ? (2 * c.duty - 1) * c.amplitude + c.offset : c.offset;
        meter.Afficher(std::sqrt(r * r + m * m));
    } else {
        meter.Afficher(lower(c.keyword) == "cc" ? c.amplitude : c.offset);
    }
}

} // namespace ondivel
