#include "bench/sources/frm_edf.h"

namespace ondivel {

namespace {

constexpr int kHelpTopic = 3500;
// Toolbox options that wire the mains socket to CH1 and CH2.
constexpr int kMainsA = 12, kMainsB = 13;
constexpr double kWidth = 4550, kHeight = 4035;

} // namespace

FrmEDF::FrmEDF(Ondivel& app, int side) : SidePanel(app, side, "frmEDF", "EDF", kHelpTopic, kMainsA, kMainsB) {
    Caption = side == SideB ? "Prise du secteur - Voie CH2" : "Prise du secteur - Voie CH1";
    Width = kWidth;
    Height = kHeight;

    fraWorld.Caption = "Tension et fréquence dans le Monde : ";
    for (int i = 0; i < 3; ++i)
        optWorld[i].Caption = kWorld[i].caption;
    optWorld[0].Value = 1;
    lblNeutre.Caption = "Neutre";
    lblPhase.Caption = "Phase";
    lblTerre.Caption = "Terre";

    // The terminals in a row across the socket plate, in twips; a plug sits on its terminal.
    for (int i = 0; i < 3; ++i) {
        imgBorne[i].Left = 900 + i * 1200;
        imgBorne[i].Top = 1500;
        imgBorne[i].Width = 540;
        imgBorne[i].Height = 540;
        imgFiche[i].Visible = false;
    }
    Timer1.Interval = 400;
    Timer1.Enabled = true;

    for (int i = 0; i < 3; ++i) {
        optWorld[i].on.Click = [this, i] { optWorld_Click(i); };
        imgBorne[i].on.Click = [this, i] { imgBorne_Click(i); };
        imgFiche[i].on.Click = [this, i] { imgFiche_Click(i); };
        imgBorne[i].on.MouseMove = [this, i](int b, int s, double x, double y) {
            imgBorne_MouseMove(i, b, s, x, y);
        };
        if (side == SideB)
            imgBorne[i].on.MouseDown = [this, i](int b, int s, double x, double y) {
                imgBorne_MouseDown(i, b, s, x, y);
            };
    }
    Timer1.on.Timer = [this] { Timer1_Timer(); };
}

int FrmEDF::selectedWorld() const {
    for (int i = 0; i < 3; ++i)
        if (optWorld[i].isOn()) return i;
    return 0;
}

void FrmEDF::Form_Load() {
    Width = kWidth;
    Height = kHeight;
    loadPosition();
    // Nothing comes out of the socket until the plugs are in.
    sourceBranchee() = false;
    amplitude() = 0;
    frequence() = 50;
}

void FrmEDF::Form_MouseMove(int, int, double, double) {
    MousePointer = kDefaultPointer;
}

void FrmEDF::optWorld_Click(int index) {
    // Between neutral and earth there is no voltage, whatever the country.
    const bool neutralToEarth = plugged(kNeutre) && plugged(kTerre);
    amplitude() = neutralToEarth ? 0 : kWorld[index].amplitude;
    frequence() = kWorld[index].frequency;
    app().RefreshDisplay();
}

void FrmEDF::imgBorne_Click(int index) {
    imgFiche[index].Left = imgBorne[index].Left;
    imgFiche[index].Top = imgBorne[index].Top;
    imgFiche[index].Visible = !imgFiche[index].Visible;
    // The measuring lead has two plugs: a third one pulls the plug of the preceding terminal in
    // the cycle 2 -> 1 -> 0 -> 2.
    if (plugged(0) && plugged(1) && plugged(2)) imgFiche[(index + 2) % 3].Visible = false;

    sourceBranchee() = false;
    const double mains = kWorld[selectedWorld()].amplitude;
    if (plugged(kNeutre) && plugged(kPhase)) {
        sourceBranchee() = true;
        amplitude() = mains;
    } else if (plugged(kNeutre) && plugged(kTerre)) {
        sourceBranchee() = true;
        amplitude() = 0;
    } else if (plugged(kPhase) && plugged(kTerre)) {
        sourceBranchee() = true;
        amplitude() = mains;
    }
    app().RefreshDisplay();
}

void FrmEDF::imgBorne_MouseMove(int, int, int, double, double) {
    MousePointer = kHandPointer;
}

void FrmEDF::imgBorne_MouseDown(int, int, int, double, double) {
    MousePointer = kDefaultPointer;
}

// The plug lies over its terminal: a click on it pulls it out.
void FrmEDF::imgFiche_Click(int index) {
    imgBorne_Click(index);
}

void FrmEDF::Timer1_Timer() {
    imgLogo.Visible = !imgLogo.Visible;
}

} // namespace ondivel
