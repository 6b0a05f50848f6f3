#include "sources/frm_gbf.h"

#include <filesystem>

#include "core/format.h"
#include "core/platform.h"
#include "meters/frm_toolbox.h"
#include "scope/frm_ondivel.h"
#include "shell/mdi_ondivel.h"
#include "sources/frequency_readout.h"

namespace ondivel {

namespace {

constexpr const char* kRangeCaptions[6] = {"100k", "10k", "1k", "100", "10", "1"};
constexpr const char* kKeywords[3] = {"Sinus", "Carre", "Triangle"};
constexpr int kWavePictures[3] = {kPictureSine, kPictureSquare, kPictureTriangle};
constexpr int kHelpTopic = 3200;

constexpr int kFrequencyKnob = 0;
constexpr int kAmplitudeKnob = 1;
constexpr int kDutyKnob = 2;
constexpr int kOffsetKnob = 3;

// The knob configuration order of the knob component: Max, Value, then Min.
void configureKnob(Control& knob, double max, double value) {
    knob.Max = max;
    knob.Value = value;
    knob.Min = 0;
}

} // namespace

FrmGBF::FrmGBF(Ondivel& app, int side)
    : Form(app, side == SideB ? "frmGBFB" : "frmGBFA"),
      lblFreq(*this, ControlKind::Label, side == SideB ? "lblFreqB" : "lblFreqA"), side_(side) {
    Caption = side == SideB ? "GBF - Voie CH2" : "GBF - Voie CH1";
    HelpTopic = kHelpTopic;
    Width = 4125;
    Height = 4935;

    lblTitre.Caption = "GENERATEUR DE FONCTIONS";
    lblPower.Caption = "Power";
    const char* knobNames[4] = {"FREQ", "NIVEAU", "SYMETRIE", "DECALAGE"};
    for (int i = 0; i < 4; ++i)
        lblPotentio[i].Caption = knobNames[i];
    for (int i = 0; i < 2; ++i)
        lblMinMax[i].Caption = "Min     Max";

    chkOn.Caption = "On";
    chkOn.ToolTipText = "Bouton Marche/Arrêt";
    imgOn.Picture = kPictureLampOff;
    imgOn.ToolTipText = "GBF éteint";

    fraGamme.Caption = "Gamme de fréquence ";
    for (int i = 0; i < 6; ++i) {
        optGamme[i].Caption = kRangeCaptions[i];
        shpFreq[i].FillColor = kLampOff;
    }
    fraSignal.Caption = "Type signal ";
    for (int i = 0; i < 3; ++i)
        shpSignal[i].FillColor = kLampOff;

    // Fine sliders: ±10 steps around the knob (ticks every 2 steps in the view).
    for (int i = 0; i < 4; ++i) {
        Control& s = sldReglage[i];
        s.Min = -10;
        s.Max = 10;
        s.Value = 0;
        s.SmallChange = 1;
        s.LargeChange = 5;
    }

    // The read-out, its unit and the pictogram show only while the generator is on; the plugs
    // are out until the user places them.
    lblFreq.Caption = "0.000";
    lblUnite.Caption = "kHz";
    for (Control* c : {&lblFreq, &lblUnite, &imgSignal})
        c->Visible = false;
    for (int i = 0; i < 2; ++i)
        imgFiche[i].Visible = false;

    chkOn.on.Click = [this] { chkOn_Click(); };
    for (int i = 0; i < 6; ++i)
        optGamme[i].on.Click = [this, i] { optGamme_Click(i); };
    for (int i = 0; i < 3; ++i)
        optSignal[i].on.Click = [this, i] { optSignal_Click(i); };
    for (int i = 0; i < 2; ++i) {
        imgBorne[i].on.Click = [this, i] { imgBorne_Click(i); };
        imgFiche[i].on.Click = [this, i] { imgFiche_Click(i); };
    }
    for (int i = 0; i < 4; ++i) {
        Potentio[i].on.DblClick = [this, i] { Potentio_DblClick(i); };
        Potentio[i].on.MouseMove = [this, i](int b, int s, double x, double y) {
            Potentio_MouseMove(i, b, s, x, y);
        };
        Potentio[i].on.MouseUp = [this, i](int b, int s, double x, double y) {
            Potentio_MouseUp(i, b, s, x, y);
        };
        sldReglage[i].on.Scroll = [this, i] { sldReglage_Scroll(i); };
    }
}

double& FrmGBF::gamme() const {
    return side_ == SideB ? app().g.GammeB : app().g.GammeA;
}
double& FrmGBF::frequence() const {
    return side_ == SideB ? app().g.FrequenceB : app().g.FrequenceA;
}
double& FrmGBF::amplitude() const {
    return side_ == SideB ? app().g.AmplitudeB : app().g.AmplitudeA;
}
std::string& FrmGBF::signal() const {
    return side_ == SideB ? app().g.SignalB : app().g.SignalA;
}
bool& FrmGBF::sourceBranchee() const {
    return side_ == SideB ? app().g.SourceBrancheeB : app().g.SourceBrancheeA;
}

void FrmGBF::showReadout() {
    if (side_ == SideB)
        AfficherFrequenceB(*this);
    else
        AfficherFrequenceA(*this);
}

void FrmGBF::Form_Load() {
    KeyPreview = true;
    for (int i = 0; i < 3; ++i)
        optSignal[i].Picture = kWavePictures[i];

    const Form& scope = app().frmOndivel();
    Left = Val(app().ReadIni("Interface", "PosX " + shortName(), NumberText(scope.Left + scope.Width)));
    Top = Val(app().ReadIni("Interface", "PosY " + shortName(), side_ == SideB ? "4935" : "0"));

    sourceBranchee() = false;

    for (int i = 0; i < 6; ++i)
        optGamme[i].ToolTipText = "Choisir une gamme de fréquence";
    for (int i = 0; i < 3; ++i)
        optSignal[i].ToolTipText = "Forme du signal";
    Potentio[0].ToolTipText = "Pour permettre le réglage de la fréquence du signal.";
    Potentio[1].ToolTipText = "Pour permettre le réglage de l'amplitude du signal.";
    Potentio[2].ToolTipText = "Pour modifier le rapport cyclique du signal";
    Potentio[3].ToolTipText =
        "Pour ajouter une composante continue au signal alternatif\r\nDouble-clic : remise à zéro";
    imgBorne[0].ToolTipText = "Cliquer ici pour mettre en place la fiche de connexion";
    imgBorne[1].ToolTipText = "Cliquer ici pour mettre en place la fiche de connexion sur la borne COM";

    const Color mark = side_ == SideB ? app().g.CouleurB : app().g.CouleurA;
    for (int i = 0; i < 2; ++i)
        shpBorne[i].FillColor = mark;

    gamme() = 1000;
    optGamme[2].setValue(1);
    optSignal[0].setValue(1);

    Platform& platform = app().platform();
    frequence() = static_cast<int>(platform.random() * 1100 + 100);
    configureKnob(Potentio[kFrequencyKnob], 1200, frequence());
    showReadout();

    amplitude() = static_cast<int>(platform.random() * 12000) / 1000.0;
    configureKnob(Potentio[kAmplitudeKnob], 12000, 1000 * amplitude());
    configureKnob(Potentio[kDutyKnob], 100, 50);
    configureKnob(Potentio[kOffsetKnob], 200, 100);

    if (app().mdi().ModeLibre) app().RefreshDisplay();
}

void FrmGBF::Form_KeyDown(int keyCode, int) {
    if (keyCode == kKeyF1) app().ShowHelpTopic(kHelpTopic);
}

void FrmGBF::Form_Unload(int&) {
    app().WriteIni("Interface", "PosX " + shortName(), NumberText(Left));
    app().WriteIni("Interface", "PosY " + shortName(), NumberText(Top));
    // Hand the channel back to "Aucune alimentation" when the toolbox still wires this panel.
    FrmToolBox& toolbox = app().frmToolBox();
    const int wired = side_ == SideB ? FrmToolBox::kGbfB : FrmToolBox::kGbfA;
    const int none = side_ == SideB ? FrmToolBox::kNoneB : FrmToolBox::kNoneA;
    if (toolbox.optConnexion[wired].isOn()) toolbox.optConnexion[none].setValue(1);
}

void FrmGBF::chkOn_Click() {
    const bool on = chkOn.Value == kChecked;
    chkOn.Caption = on ? "Off" : "On";
    imgOn.Picture = on ? kPictureLampOn : kPictureLampOff;
    imgOn.ToolTipText = on ? "GBF allumé" : "GBF éteint";
    for (Control* c : {&imgSignal, &lblFreq, &lblUnite})
        c->Visible = on;
    for (int i = 0; i < 6; ++i)
        shpFreq[i].FillColor = kLampOff;
    for (int i = 0; i < 3; ++i)
        shpSignal[i].FillColor = kLampOff;
    if (on) {
        sourceBranchee() = plugsIn();
        for (int i = 0; i < 6; ++i) {
            if (optGamme[i].isOn()) {
                shpFreq[i].FillColor = kLampOn;
                break;
            }
        }
        for (int i = 0; i < 3; ++i)
            if (optSignal[i].isOn()) shpSignal[i].FillColor = kLampOn;
    } else {
        sourceBranchee() = false;
    }
    app().RefreshDisplay();
}

void FrmGBF::optGamme_Click(int index) {
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
    showReadout();
    if (app().mdi().ModeLibre) app().RefreshDisplay();
}

void FrmGBF::optSignal_Click(int index) {
    for (int i = 0; i < 3; ++i)
        shpSignal[i].FillColor = kLampOff;
    if (isOn()) shpSignal[index].FillColor = kLampOn;
    signal() = kKeywords[index];
    imgSignal.Picture = kWavePictures[index];
    if (app().mdi().ModeLibre) app().RefreshDisplay();
}

void FrmGBF::knobMoved(int index, int button) {
    if (button != kLeftButton) return;
    sldReglage[index].setValue(0);
    if (index == kFrequencyKnob) {
        frequence() = Potentio[kFrequencyKnob].Value * gamme() / 1000;
        showReadout();
    } else if (index == kAmplitudeKnob) {
        amplitude() = Potentio[kAmplitudeKnob].Value / 1000;
    }
    // Duty cycle and offset are read by the refresh itself.
    app().RefreshDisplay();
}

void FrmGBF::Potentio_MouseMove(int index, int button, int, double, double) {
    knobMoved(index, button);
}
void FrmGBF::Potentio_MouseUp(int index, int button, int, double, double) {
    knobMoved(index, button);
}

void FrmGBF::sldReglage_Scroll(int index) {
    // The fine adjustment is added to the knob without clamping, as the real panel does.
    if (index == kFrequencyKnob) {
        frequence() = (Potentio[kFrequencyKnob].Value + sldReglage[kFrequencyKnob].Value) * gamme() / 1000;
        showReadout();
    } else if (index == kAmplitudeKnob) {
        amplitude() = (Potentio[kAmplitudeKnob].Value + 100 * sldReglage[kAmplitudeKnob].Value) / 1000;
    }
    app().RefreshDisplay();
}

void FrmGBF::Potentio_DblClick(int index) {
    if (index == kDutyKnob || index == kOffsetKnob) Potentio[index].Value = Potentio[index].Max / 2;
    app().RefreshDisplay();
}

void FrmGBF::imgBorne_Click(int index) {
    imgFiche[index].Visible = !imgFiche[index].Visible;
    sourceBranchee() = plugsIn() && isOn();
    app().RefreshDisplay();
}

void FrmGBF::imgFiche_Click(int index) {
    imgBorne_Click(index);
}

} // namespace ondivel
