#include "bench/sources/frm_dyn.h"

#include "core/format.h"

namespace ondivel {

namespace {

constexpr int kHelpTopic = 3800;
constexpr double kPi = 3.14159265358979;
// Toolbox options that wire the alternator to CH1 and CH2.
constexpr int kAlternatorA = 14, kAlternatorB = 15;

} // namespace

FrmDyn::FrmDyn(Ondivel& app, int side)
    : SidePanel(app, side, "frmDyn", "Dyn", kHelpTopic, kAlternatorA, kAlternatorB) {
    Caption = side == SideB ? "Alternateur de bicyclette - Voie CH2" : "Alternateur de bicyclette - Voie CH1";
    Width = 4200;
    Height = 4200;

    lblTitreVitesse.Caption = "Vitesse de rotation en tours/min :";
    lblFin.Caption = "FIN";
    lblCom.Caption = "COM";
    configureKnob(Potentio[kSpeedKnob], 2500, 1000);
    configureKnob(Potentio[kFineKnob], 200, 100);
    for (int i = 0; i < 2; ++i)
        imgFiche[i].Visible = false;

    for (int i = 0; i < 2; ++i) {
        imgBorne[i].on.Click = [this, i] { imgBorne_Click(i); };
        imgFiche[i].on.Click = [this, i] { imgFiche_Click(i); };
        Potentio[i].on.DblClick = [this, i] { Potentio_DblClick(i); };
        Potentio[i].on.MouseDown = [this, i](int b, int s, double x, double y) {
            Potentio_MouseDown(i, b, s, x, y);
        };
        Potentio[i].on.MouseMove = [this, i](int b, int s, double x, double y) {
            Potentio_MouseMove(i, b, s, x, y);
        };
        Potentio[i].on.MouseUp = [this, i](int b, int s, double x, double y) {
            Potentio_MouseUp(i, b, s, x, y);
        };
    }
}

double FrmDyn::speed() const {
    return Potentio[kSpeedKnob].Value - (Potentio[kFineKnob].Max / 2 - Potentio[kFineKnob].Value) / 10;
}

void FrmDyn::applySpeed() {
    const double n = speed();
    lblVitesse.Caption = FormatNumber(n, "#0") + " tours/min";
    // The angular speed of the wheel in rad/s stands for the frequency; the voltage of a dynamo
    // grows with it.
    frequence() = 2 * kPi * n / 60;
    amplitude() = frequence() / 25;
}

void FrmDyn::Form_Load() {
    loadPosition();
    sourceBranchee() = false;
    for (int i = 0; i < 2; ++i)
        shpBorne[i].FillColor = channelColour();

    configureKnob(Potentio[kSpeedKnob], 2500, 1000);
    configureKnob(Potentio[kFineKnob], 200, 100);
    applySpeed();

    Potentio[kSpeedKnob].ToolTipText =
        "Tourner le potentiomètre pour faire varier la vitesse de rotation de l'alternateur.\r\n"
        "Click droit pour un réglage fin.";
    imgBorne[0].ToolTipText = "Cliquer ici pour mettre en place la fiche de connexion";
    imgBorne[1].ToolTipText = "Cliquer ici pour mettre en place la fiche de connexion sur la borne COM";
}

void FrmDyn::Potentio_MouseDown(int index, int, int, double, double) {
    // Any button: the right one is the classroom's habit for fine work.
    if (index == kSpeedKnob) Potentio[kFineKnob].Value = 100;
    applySpeed();
    app().RefreshDisplay();
}

void FrmDyn::Potentio_MouseMove(int, int button, int, double, double) {
    // A pointer passing over the knob without a button is not a drag.
    if (button == 0) return;
    applySpeed();
    app().RefreshDisplay();
}

void FrmDyn::Potentio_MouseUp(int, int, int, double, double) {
    applySpeed();
    app().RefreshDisplay();
}

void FrmDyn::Potentio_DblClick(int index) {
    // The speed keeps its value until the next press on a knob.
    if (index == kFineKnob) Potentio[kFineKnob].Value = Potentio[kFineKnob].Max / 2;
}

void FrmDyn::imgBorne_Click(int index) {
    imgFiche[index].Visible = !imgFiche[index].Visible;
    sourceBranchee() = imgFiche[0].Visible && imgFiche[1].Visible;
    app().RefreshDisplay();
}

// The plug lies over its terminal: a click on it pulls it out.
void FrmDyn::imgFiche_Click(int index) {
    imgBorne_Click(index);
}

} // namespace ondivel
