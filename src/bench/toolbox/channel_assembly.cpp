#include "bench/toolbox/channel_assembly.h"

#include <algorithm>

#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_gbf.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/keywords.h"

namespace ondivel {

namespace {
constexpr int kSquareLamp = 1;
constexpr int kDutyKnob = 2;
constexpr int kOffsetKnob = 3;
} // namespace

void ApplyGeneratorSettings(Ondivel& app, int channel) {
    Globals& g = app.g;
    double& offset = channel == 0 ? g.OffsetCH1 : g.OffsetCH2;
    float& duty = channel == 0 ? g.RapportCycliqueCH1 : g.RapportCycliqueCH2;
    offset = 0;
    duty = 0;
    const int wiring = channel == 0 ? kGeneratorOnCH1 : kGeneratorOnCH2;
    FrmGBF& generator = app.frmGBF(channel == 0 ? SideA : SideB);
    if (!app.frmToolBox().optConnexion[wiring].isOn() || !generator.isOn()) return;

    const FrmOndivel& scope = app.frmOndivel();
    if (scope.couplingLit(channel, Coupling::DC)) {
        const Control& knob = generator.Potentio[kOffsetKnob];
        offset = (knob.Value + generator.sldReglage[kOffsetKnob].Value / 2 - knob.Max / 2) / 10;
    }
    double d = generator.Potentio[kDutyKnob].Value / 100 + generator.sldReglage[kDutyKnob].Value / 100;
    d = std::clamp(d, 0.0, 1.0);
    if (generator.shpSignal[kSquareLamp].FillColor == kLampOn) d = std::clamp(d, 0.1, 0.9);
    duty = static_cast<float>(d);
}

void BlockConstantVoltage(const FrmOndivel& scope, int channel, const std::string& keyword, double& amplitude,
                          double& offset) {
    if (!scope.couplingLit(channel, Coupling::AC)) return;
    // An evaluation keeps the offset of the last free-mode refresh, perhaps one in DC coupling.
    offset = 0;
    if (WaveformOf(keyword) == Waveform::Dc) amplitude = 0;
}

void AssembleChannels(Ondivel& app) {
    Globals& g = app.g;
    if (app.mdi().ModeLibre) {
        g.AmplitudeCH1 = g.AmplitudeA;
        g.FrequenceCH1 = g.FrequenceA;
        g.SignalCH1 = g.SignalA;
        g.AmplitudeCH2 = g.AmplitudeB;
        g.FrequenceCH2 = g.FrequenceB;
        g.SignalCH2 = g.SignalB;
        ApplyGeneratorSettings(app, 0);
        ApplyGeneratorSettings(app, 1);
    } else {
        // The offsets keep the values of the last free-mode refresh.
        g.AmplitudeCH1 = g.ExoAmplitudeCH1;
        g.FrequenceCH1 = g.ExoFrequenceCH1;
        g.SignalCH1 = g.ExoSignalCH1;
        g.AmplitudeCH2 = g.ExoAmplitudeCH2;
        g.FrequenceCH2 = g.ExoFrequenceCH2;
        g.SignalCH2 = g.ExoSignalCH2;
        g.RapportCycliqueCH1 = g.RapportCycliqueCH2 = 0.5F;
    }
    const FrmOndivel& scope = app.frmOndivel();
    if (scope.couplingLit(0, Coupling::GND)) g.AmplitudeCH1 = 0;
    if (scope.couplingLit(1, Coupling::GND)) g.AmplitudeCH2 = 0;
    if (g.CouplageACBloqueDC) {
        BlockConstantVoltage(scope, 0, g.SignalCH1, g.AmplitudeCH1, g.OffsetCH1);
        BlockConstantVoltage(scope, 1, g.SignalCH2, g.AmplitudeCH2, g.OffsetCH2);
    }
    if (!g.SourceBrancheeA || !g.EntreeBrancheeCH1) g.AmplitudeCH1 = 0;
    if (!g.SourceBrancheeB || !g.EntreeBrancheeCH2) g.AmplitudeCH2 = 0;
}

} // namespace ondivel
