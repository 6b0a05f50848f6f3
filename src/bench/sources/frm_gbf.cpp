#include "bench/sources/frm_gbf.h"

#include "bench/main/mdi_ondivel.h"
#include "bench/toolbox/frm_toolbox.h"

namespace ondivel {

namespace {

constexpr const char* kKeywords[3] = {"Sinus", "Carre", "Triangle"};
constexpr int kWavePictures[3] = {kPictureSine, kPictureSquare, kPictureTriangle};
constexpr GeneratorKind kGbf{"frmGBF", "GBF", "GBF", 3200, FrmToolBox::kGbfA, FrmToolBox::kGbfB};

constexpr int kFrequencyKnob = 0;
constexpr int kAmplitudeKnob = 1;
constexpr int kDutyKnob = 2;
constexpr int kOffsetKnob = 3;

} // namespace

FrmGBF::FrmGBF(Ondivel& app, int side) : GeneratorPanel(app, side, kGbf) {
    Caption = side == SideB ? "GBF - Voie CH2" : "GBF - Voie CH1";
    Width = 4125;
    Height = 4935;

    lblTitre.Caption = "GENERATEUR DE FONCTIONS";
    const char* knobNames[4] = {"FREQ", "NIVEAU", "SYMETRIE", "DECALAGE"};
    for (int i = 0; i < 4; ++i)
        lblPotentio[i].Caption = knobNames[i];
    for (int i = 0; i < 2; ++i)
        lblMinMax[i].Caption = "Min     Max";

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

    // The pictogram shows only while the generator is on, as the read-out does.
    imgSignal.Visible = false;

    for (int i = 0; i < 3; ++i)
        optSignal[i].on.Click = [this, i] { optSignal_Click(i); };
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

std::string& FrmGBF::signal() const {
    return side() == SideB ? app().g.SignalB : app().g.SignalA;
}

void FrmGBF::Form_Load() {
    for (int i = 0; i < 3; ++i)
        optSignal[i].Picture = kWavePictures[i];
    loadPosition();
    sourceBranchee() = false;
    markTerminals();
    for (int i = 0; i < 3; ++i)
        optSignal[i].ToolTipText = "Forme du signal";
    Potentio[0].ToolTipText = "Pour permettre le réglage de la fréquence du signal.";
    Potentio[1].ToolTipText = "Pour permettre le réglage de l'amplitude du signal.";
    Potentio[2].ToolTipText = "Pour modifier le rapport cyclique du signal";
    Potentio[3].ToolTipText =
        "Pour ajouter une composante continue au signal alternatif\r\nDouble-clic : remise à zéro";

    selectFirstRange();
    optSignal[0].setValue(1);
    drawFrequencyAndAmplitude(Potentio[kFrequencyKnob]);
    configureKnob(Potentio[kAmplitudeKnob], 12000, 1000 * amplitude());
    configureKnob(Potentio[kDutyKnob], 100, 50);
    configureKnob(Potentio[kOffsetKnob], 200, 100);

    if (app().mdi().ModeLibre) app().RefreshDisplay();
}

void FrmGBF::showPower(bool on) {
    imgSignal.Visible = on;
    for (int i = 0; i < 3; ++i)
        shpSignal[i].FillColor = on && optSignal[i].isOn() ? kLampOn : kLampOff;
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

} // namespace ondivel
