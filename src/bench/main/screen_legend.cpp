#include "bench/main/screen_legend.h"

#include <cmath>

#include "bench/main/printout.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "core/format.h"
#include "core/platform.h"

namespace ondivel {

namespace {

constexpr const char* kSeparator = " ; ";

// "générateur de fonctions, tension sinusoïdale", "pile, masse (GND)" or "aucune source".
std::string channelText(const Ondivel& app, const WiringFacts& wiring, int channel) {
    const std::string source = SourceName(wiring.channel[channel].source);
    if (source.empty()) return "aucune source";
    const std::string signal = app.frmOndivel().couplingLit(channel, Coupling::GND)
                                   ? "masse (GND)"
                                   : SignalTypeName(channel == 0 ? app.g.SignalCH1 : app.g.SignalCH2);
    return source + ", " + signal;
}

} // namespace

std::string CalibreLine(const std::vector<ChannelCalibre>& channels, const std::string& horizontalName,
                        const std::string& horizontal) {
    std::string line;
    const auto add = [&line](const std::string& name, const std::string& value) {
        if (value.empty()) return;
        if (!line.empty()) line += kSeparator;
        line += name + " : " + value;
    };
    for (const ChannelCalibre& c : channels)
        add(c.channel, c.sensitivity);
    add(horizontalName, horizontal);
    return line;
}

std::string ScreenCalibreLine(const Ondivel& app) {
    const FrmOndivel& scope = app.frmOndivel();
    const int mode = scope.modeIndex();
    const bool xy = mode == ModeXY;
    std::vector<ChannelCalibre> channels;
    if (mode != ModeCH2)
        channels.push_back({xy ? "Voie CH1 (X)" : "Voie CH1", scope.cboSensibiliteVerticaleA.listText()});
    if (mode != ModeCH1)
        channels.push_back({xy ? "Voie CH2 (Y)" : "Voie CH2", scope.cboSensibiliteVerticaleB.listText()});
    if (xy) return CalibreLine(channels, "", "");
    if (scope.chkFFT.Value == kChecked && app.g.BaseTemps > 0) {
        // One division of the spectrum spans 1/BaseTemps hertz, as the overlay says.
        const double hertz = 1 / app.g.BaseTemps;
        const std::string span = hertz < 1000 ? NumberText(RoundHalfEven(hertz)) + " Hz/div"
                                              : NumberText(RoundHalfEven(hertz / 1000)) + " kHz/div";
        return CalibreLine(channels, "Spectre", span);
    }
    return CalibreLine(channels, "Base de temps", scope.cboBaseTemps.listText());
}

std::string SourceName(ChannelWiring::Source source) {
    using Source = ChannelWiring::Source;
    switch (source) {
    case Source::Generator:
        return "générateur de fonctions";
    case Source::HarmonicGenerator:
        return "générateur d'harmoniques";
    case Source::Supply:
        return "alimentation stabilisée";
    case Source::Battery:
        return "pile";
    case Source::Mains:
        return "secteur";
    case Source::Alternator:
        return "alternateur";
    case Source::None:
        break;
    }
    return {};
}

std::vector<LegendRow> ScreenLegend(const Ondivel& app) {
    const FrmOndivel& scope = app.frmOndivel();
    if (!scope.isOn()) return {};
    const WiringFacts wiring = CurrentWiring(app);
    const Globals& g = app.g;
    switch (scope.modeIndex()) {
    case ModeCH1:
        return {{g.CouleurA, "Voie CH1 : " + channelText(app, wiring, 0)}};
    case ModeCH2:
        return {{g.CouleurB, "Voie CH2 : " + channelText(app, wiring, 1)}};
    case ModeDUAL:
        return {{g.CouleurA, "Voie CH1 : " + channelText(app, wiring, 0)},
                {g.CouleurB, "Voie CH2 : " + channelText(app, wiring, 1)}};
    case ModeADD:
        return {{g.CouleurA,
                 "Voies CH1 + CH2 : " + channelText(app, wiring, 0) + " + " + channelText(app, wiring, 1)}};
    case ModeXY:
        return {{g.CouleurA, "XY : CH1 en X (" + channelText(app, wiring, 0) + "), CH2 en Y (" +
                                 channelText(app, wiring, 1) + ")"}};
    default:
        return {};
    }
}

std::string ExportSignature(const Ondivel& app) {
    return "Exporté avec " + ProgramSignature() + " le " +
           app.platform().dateTimeText(app.platform().localDateTime());
}

} // namespace ondivel
