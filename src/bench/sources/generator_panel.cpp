#include "bench/sources/generator_panel.h"

#include "bench/main/mdi_ondivel.h"
#include "bench/sources/frequency_readout.h"
#include "core/platform.h"

namespace ondivel {

namespace {

constexpr const char* kRangeCaptions[6] = {"100k", "10k", "1k", "100", "10", "1"};

} // namespace

GeneratorPanel::GeneratorPanel(Ondivel& app, int side, const GeneratorKind& kind)
    : SidePanel(app, side, kind.form, kind.settings, kind.helpTopic, kind.toolboxA, kind.toolboxB),
      lblFreq(*this, ControlKind::Label, side == SideB ? "lblFreqB" : "lblFreqA"), kind_(kind) {
    lblPower.Caption = "Power";
    chkOn.Caption = "On";
    chkOn.ToolTipText = "Bouton Marche/Arrêt";
    imgOn.Picture = kPictureLampOff;
    imgOn.ToolTipText = std::string(kind.lamp) + " éteint";
    fraGamme.Caption = "Gamme de fréquence ";
    for (int i = 0; i < 6; ++i) {
        optGamme[i].Caption = kRangeCaptions[i];
        shpFreq[i].FillColor = kLampOff;
    }
    // The read-out and its unit show only while the generator is on; the plugs are out until
    // the user places them.
    lblFreq.Caption = "0.000";
    lblUnite.Caption = "kHz";
    lblFreq.Visible = false;
    lblUnite.Visible = false;
    for (int i = 0; i < 2; ++i)
        imgFiche[i].Visible = false;

    chkOn.on.Click = [this] { chkOn_Click(); };
    for (int i = 0; i < 6; ++i)
        optGamme[i].on.Click = [this, i] { optGamme_Click(i); };
    for (int i = 0; i < 2; ++i) {
        imgBorne[i].on.Click = [this, i] { imgBorne_Click(i); };
        imgFiche[i].on.Click = [this, i] { imgFiche_Click(i); };
    }
}

void GeneratorPanel::showReadout() {
    if (side() == SideB)
        AfficherFrequenceB(*this);
    else
        AfficherFrequenceA(*this);
}

void GeneratorPanel::markTerminals() {
    for (int i = 0; i < 2; ++i)
        shpBorne[i].FillColor = channelColour();
    imgBorne[0].ToolTipText = "Cliquer ici pour mettre en place la fiche de connexion";
    imgBorne[1].ToolTipText = "Cliquer ici pour mettre en place la fiche de connexion sur la borne COM";
    for (int i = 0; i < 6; ++i)
        optGamme[i].ToolTipText = "Choisir une gamme de fréquence";
}

void GeneratorPanel::selectFirstRange() {
    gamme() = 1000;
    optGamme[2].setValue(1);
}

void GeneratorPanel::drawFrequencyAndAmplitude(Control& knob) {
    Platform& platform = app().platform();
    frequence() = static_cast<int>(platform.random() * 1100 + 100);
    configureKnob(knob, 1200, frequence());
    showReadout();
    amplitude() = static_cast<int>(platform.random() * 12000) / 1000.0;
}

void GeneratorPanel::chkOn_Click() {
    const bool on = chkOn.Value == kChecked;
    chkOn.Caption = on ? "Off" : "On";
    imgOn.Picture = on ? kPictureLampOn : kPictureLampOff;
    imgOn.ToolTipText = std::string(kind_.lamp) + (on ? " allumé" : " éteint");
    lblFreq.Visible = on;
    lblUnite.Visible = on;
    for (int i = 0; i < 6; ++i)
        shpFreq[i].FillColor = kLampOff;
    if (on) {
        for (int i = 0; i < 6; ++i) {
            if (optGamme[i].isOn()) {
                shpFreq[i].FillColor = kLampOn;
                break;
            }
        }
    }
    sourceBranchee() = on && plugsIn();
    showPower(on);
    app().RefreshDisplay();
}

void GeneratorPanel::optGamme_Click(int index) {
    // A selection raised before the panel set its first range must not divide by zero.
    if (gamme() == 0) return;
    const double old = gamme();
    for (int i = 0; i < 6; ++i)
        shpFreq[i].FillColor = kLampOff;
    if (isOn()) shpFreq[index].FillColor = kLampOn;
    gamme() = kRanges[index];
    lblUnite.Caption = index <= 2 ? "kHz" : "Hz";
    // The knob stays where it is: the frequency follows the range.
    frequence() = frequence() * gamme() / old;
    roundFrequency();
    showReadout();
    if (app().mdi().ModeLibre) app().RefreshDisplay();
}

void GeneratorPanel::imgBorne_Click(int index) {
    imgFiche[index].Visible = !imgFiche[index].Visible;
    sourceBranchee() = plugsIn() && isOn();
    app().RefreshDisplay();
}

void GeneratorPanel::imgFiche_Click(int index) {
    imgBorne_Click(index);
}

} // namespace ondivel
