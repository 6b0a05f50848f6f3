#include "bench/main/flat_trace_status.h"

#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_alim.h"
#include "bench/sources/frm_gbf.h"
#include "bench/sources/frm_harmonique.h"
#include "bench/toolbox/frm_toolbox.h"

namespace ondivel {

namespace {

using Source = ChannelWiring::Source;

constexpr int kGroundPlug = 2;

// How the source names itself in "le générateur est éteint.", "une fiche du générateur …".
struct SourceWords {
    const char* switchedOff;
    const char* plugMissing;
};

SourceWords wordsFor(Source source) {
    switch (source) {
    case Source::Generator:
        return {"le générateur est éteint.", "une fiche du générateur n'est pas branchée."};
    case Source::HarmonicGenerator:
        return {"le générateur d'harmoniques est éteint.",
                "une fiche du générateur d'harmoniques n'est pas branchée."};
    case Source::Supply:
        return {"l'alimentation est éteinte.", "une fiche de l'alimentation n'est pas branchée."};
    case Source::Battery:
        return {"", "la pile n'est pas branchée."};
    case Source::Mains:
        return {"", "une fiche de la prise secteur n'est pas branchée."};
    case Source::Alternator:
        return {"", "une fiche de l'alternateur n'est pas branchée."};
    case Source::None:
        break;
    }
    return {"", ""};
}

// The first missing link of one channel's path; empty when the signal gets through or when the
// flags disagree with every plug (nothing a pupil could fix).
std::string missingLink(const ChannelWiring& c, bool groundPlug, int channel) {
    if (c.source == Source::None) return "aucune source n'est branchée.";
    if (c.sourceDelivers && c.inputReceives) return "";
    const SourceWords words = wordsFor(c.source);
    if (!c.sourceOn) return words.switchedOff;
    if (!c.sourceDelivers) return words.plugMissing;
    if (!c.inputPlug)
        return std::string("la fiche de l'entrée CH") + (channel == 0 ? "1" : "2") + " n'est pas branchée.";
    if (!groundPlug) return "la fiche de masse n'est pas branchée.";
    return "";
}

Source sourceKind(FrmToolBox::Source source) {
    switch (source) {
    case FrmToolBox::Source::Gbf:
        return Source::Generator;
    case FrmToolBox::Source::Harmonic:
        return Source::HarmonicGenerator;
    case FrmToolBox::Source::Supply:
        return Source::Supply;
    case FrmToolBox::Source::Battery:
        return Source::Battery;
    case FrmToolBox::Source::Mains:
        return Source::Mains;
    case FrmToolBox::Source::Alternator:
        return Source::Alternator;
    case FrmToolBox::Source::None:
        break;
    }
    return Source::None;
}

bool switchedOn(const Ondivel& app, Source source, int side) {
    switch (source) {
    case Source::Generator:
        return app.frmGBF(side).isOn();
    case Source::HarmonicGenerator:
        return app.frmHarmonique(side).isOn();
    case Source::Supply:
        return app.frmAlim(side).isOn();
    default:
        return true; // batteries, the socket and the alternator have no switch
    }
}

} // namespace

std::string FlatTraceStatus(const WiringFacts& facts) {
    if (!facts.freeMode || !facts.scopeOn) return "";
    std::string status;
    for (int channel = 0; channel < 2; ++channel) {
        const ChannelWiring& c = facts.channel[channel];
        if (!c.displayed) continue;
        const std::string link = missingLink(c, facts.groundPlug, channel);
        if (link.empty()) continue;
        if (!status.empty()) status += "  ";
        status += (channel == 0 ? "CH1 : " : "CH2 : ") + link;
    }
    return status;
}

WiringFacts CurrentWiring(const Ondivel& app) {
    const Globals& g = app.g;
    const FrmOndivel& scope = app.frmOndivel();
    const FrmToolBox& toolbox = app.frmToolBox();
    WiringFacts facts;
    facts.freeMode = app.mdi().ModeLibre;
    facts.scopeOn = scope.loaded() && scope.isOn();
    facts.groundPlug = scope.imgFiche[kGroundPlug].Visible;
    const int mode = scope.modeIndex();
    for (int channel = 0; channel < 2; ++channel) {
        ChannelWiring& c = facts.channel[channel];
        const int side = channel == 0 ? SideA : SideB;
        c.displayed = mode == ModeDUAL || mode == ModeADD || mode == ModeXY ||
                      mode == (channel == 0 ? ModeCH1 : ModeCH2);
        for (int i = 0; i < toolbox.optConnexion.size(); ++i)
            if (FrmToolBox::isSideA(i) == (side == SideA) && toolbox.optConnexion[i].isOn())
                c.source = sourceKind(FrmToolBox::sourceOf(i));
        c.sourceOn = switchedOn(app, c.source, side);
        c.sourceDelivers = side == SideA ? g.SourceBrancheeA : g.SourceBrancheeB;
        c.inputPlug = scope.imgFiche[channel].Visible;
        c.inputReceives = channel == 0 ? g.EntreeBrancheeCH1 : g.EntreeBrancheeCH2;
    }
    return facts;
}

} // namespace ondivel
