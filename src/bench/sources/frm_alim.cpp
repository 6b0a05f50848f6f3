#include "bench/sources/frm_alim.h"

#include <algorithm>
#include <cmath>

#include "bench/sources/voltage_readout.h"
#include "core/format.h"
#include "core/platform.h"

namespace ondivel {

namespace {

constexpr int kHelpTopic = 3000;
// "Alimentation stabilisée" in the toolbox, per side.
constexpr int kSupplyA = 2, kSupplyB = 9;

} // namespace

FrmAlim::FrmAlim(Ondivel& app, int side)
    : SidePanel(app, side, "frmAlim", "Alim", kHelpTopic, kSupplyA, kSupplyB),
      shpConnection(*this, ControlKind::Shape, side == SideB ? "shpConnectionAlimB" : "shpConnectionAlimA",
                    4) {
    Caption = side == SideB ? "Alimentation stabilisée - Voie CH2" : "Alimentation stabilisée - Voie CH1";
    Width = 4500;
    Height = 3900;

    lblTitre.Caption = " ALIMENTATION STABILISEE";
    const char* knobNames[3] = {"TENSION", "FIN", "COURANT"};
    const char* scales[3] = {"0      30V", "-        +", "0     10 A"};
    for (int i = 0; i < 3; ++i) {
        lblPotentio[i].Caption = knobNames[i];
        lblEchelle[i].Caption = scales[i];
    }
    const char* terminals[3] = {"NEG", "POS", "COM"};
    for (int i = 0; i < 3; ++i) {
        lblBorne[i].Caption = terminals[i];
        imgFiche[i].Visible = false;
    }

    chkOnOff.Caption = "On";
    imgOn.Picture = kPictureAlimLampOff;
    // The displays stay dark until the supply is switched on.
    lblAffichage.Caption = "0.00";
    lblSigne.Caption = "-";
    lblLEDCourant.Caption = "0,00";
    for (Control* c : {&lblAffichage, &lblSigne, &lblLEDCourant})
        c->Visible = false;
    // The current knob drives nothing, but it turns like a real one.
    Potentio[kCurrentKnob].Max = 100;

    chkOnOff.on.Click = [this] { chkOnOff_Click(); };
    for (int i = 0; i < 3; ++i) {
        imgBorne[i].on.Click = [this, i] { imgBorne_Click(i); };
        imgFiche[i].on.Click = [this, i] { imgFiche_Click(i); };
        Potentio[i].on.DblClick = [this, i] { Potentio_DblClick(i); };
        Potentio[i].on.MouseMove = [this, i](int b, int s, double x, double y) {
            Potentio_MouseMove(i, b, s, x, y);
        };
    }
}

bool FrmAlim::delivers() const {
    return isOn() && imgFiche[kPlugCom].Visible && (imgFiche[kPlugNeg].Visible || imgFiche[kPlugPos].Visible);
}

void FrmAlim::showReadout() {
    if (side() == SideB)
        AfficherTensionB(*this);
    else
        AfficherTensionA(*this);
}

void FrmAlim::Form_Load() {
    loadPosition();
    chkOnOff.ToolTipText = "Bouton Marche/Arrêt";
    for (int i = 0; i < 3; ++i)
        imgBorne[i].ToolTipText = "Cliquer ici pour mettre en place la fiche de connexion";
    for (int i = 0; i < 4; ++i)
        shpConnection[i].FillColor = channelColour();

    sourceBranchee() = false;
    frequence() = 0;
    // A random start voltage, shown by the knob at once and by the read-out only later.
    amplitude() = app().platform().random() * 300 / 10;
    configureKnob(Potentio[kVoltageKnob], 3000, 100 * amplitude());
    configureKnob(Potentio[kFineKnob], 20, 10);
    Potentio[kCurrentKnob].Min = 0;
    app().RefreshDisplay();
}

void FrmAlim::chkOnOff_Click() {
    const bool on = chkOnOff.Value == kChecked;
    chkOnOff.Caption = on ? "Off" : "On";
    imgOn.Picture = on ? kPictureAlimLampOn : kPictureAlimLampOff;
    lblAffichage.Visible = on;
    lblLEDCourant.Visible = on;
    if (on) {
        sourceBranchee() = delivers();
        showReadout();
    } else {
        lblSigne.Visible = false;
        sourceBranchee() = false;
    }
    app().RefreshDisplay();
}

void FrmAlim::Potentio_MouseMove(int index, int button, int, double, double) {
    if (button != kLeftButton) return;
    double& volts = amplitude();
    if (index == kVoltageKnob) {
        volts = Potentio[kVoltageKnob].Value / 100;
        Potentio[kFineKnob].Value = 10;
    } else {
        // The coarse voltage plus (fine − centre) × 0.1 V.
        volts = Potentio[kVoltageKnob].Value / 100 + Potentio[kFineKnob].Value / 10 -
                Potentio[kFineKnob].Max / 20;
    }
    volts = std::clamp(volts, 0.0, Potentio[kVoltageKnob].Max / 100);
    showReadout();
    app().RefreshDisplay();
}

void FrmAlim::Potentio_DblClick(int index) {
    // Only the knob moves: the output waits for the next drag.
    Potentio[index].Value = Potentio[index].Max / 2;
}

void FrmAlim::imgBorne_Click(int index) {
    imgFiche[index].Visible = !imgFiche[index].Visible;
    // One signal plug only: on NEG or on POS.
    if (imgFiche[kPlugNeg].Visible && imgFiche[kPlugPos].Visible)
        imgFiche[index == kPlugNeg ? kPlugPos : kPlugNeg].Visible = false;
    if (isOn()) showReadout();
    sourceBranchee() = delivers();
    app().RefreshDisplay();
}

void FrmAlim::imgFiche_Click(int index) {
    imgFiche[index].Visible = !imgFiche[index].Visible;
    if (!imgFiche[kPlugNeg].Visible) amplitude() = std::fabs(amplitude());
    // Keeps the sign of the display with the voltage just made positive.
    if (isOn()) showReadout();
    sourceBranchee() = delivers();
    app().RefreshDisplay();
}

} // namespace ondivel
