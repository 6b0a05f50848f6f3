#include "bench/sources/frm_harmonique.h"

#include <cmath>

#include "bench/main/mdi_ondivel.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/format.h"

namespace ondivel {

namespace {

// No topic of its own in the help file: the panel opens the meters' page, its nearest neighbour.
constexpr int kHelpTopic = 3700; // the meters have 3600
constexpr GeneratorKind kHarmo{
    "frmHarmonique", "Harmo", "Générateur", kHelpTopic, FrmToolBox::kHarmonicA, FrmToolBox::kHarmonicB};
constexpr int kFullScale = 1000;     // slider steps of 100 %
constexpr int kQuarterTurnDown = -2; // −180°

enum Preset { kSine, kSquare, kTriangle, kSawtooth, kRectified };

// The amplitude in slider steps and the phase in quarter turns of order n for a ready-made spectrum.
struct Harmonic {
    double steps;
    int quarterTurns;
};

Harmonic presetHarmonic(int preset, int n) {
    const bool even = n % 2 == 0;
    const double full = kFullScale;
    switch (preset) {
    case kSine:
        return {n == 1 ? full : 0, 0};
    case kSquare:
        return {even ? 0 : RoundHalfEven(full / n), 0};
    case kTriangle: {
        const bool inverted = n % 4 == 3;
        return {even ? 0 : RoundHalfEven(full / (n * n)), inverted ? kQuarterTurnDown : 0};
    }
    case kSawtooth:
        return {RoundHalfEven(full / n), even ? kQuarterTurnDown : 0};
    default: // full-wave rectified sine: even orders only
        return {even ? RoundHalfEven(full / (n * n - 1)) : 0, 0};
    }
}

// "33,3": the percentages use the read-outs' decimal comma.
std::string percentText(double steps) {
    std::string text = NumberText(steps / 10);
    Remplacer(text, ".", ",");
    return text;
}

} // namespace

FrmHarmonique::FrmHarmonique(Ondivel& app, int side) : GeneratorPanel(app, side, kHarmo) {
    Caption = side == SideB ? "Générateur d'harmoniques - Voie CH2" : "Générateur d'harmoniques - Voie CH1";
    Width = 9600;
    Height = 7050;

    lblTitre.Caption = "GENERATEUR D'HARMONIQUES";
    lblPotentio.Caption = "FREQ";
    sldReglage.Min = -10;
    sldReglage.Max = 10;
    sldReglage.Value = 0;
    sldReglage.SmallChange = 1;
    sldReglage.LargeChange = 5;

    // The waveform synthesis reads these sliders whether or not the panel was ever opened, so
    // their design-time values are the pure fundamental at full scale with no mean value.
    sstHarmo.addItem("Harmoniques de rang 1 à 10");
    sstHarmo.addItem("Harmoniques de rang 11 à 20");
    sstHarmo.ListIndex = 0;
    for (int i = 0; i < kHarmonics; ++i) {
        const bool fundamental = i == 0;
        Control& ampli = sldAmpli[i];
        ampli.Min = -kFullScale; // top of the slider is the largest amplitude
        ampli.Max = 0;
        ampli.Value = fundamental ? -kFullScale : 0;
        pgbAmpli[i].Min = 0;
        pgbAmpli[i].Max = kFullScale;
        pgbAmpli[i].Value = fundamental ? kFullScale : 0;
        lblAmpli[i].Caption = fundamental ? "100" : "0";
        Control& phase = sldPhase[i]; // quarter turns
        phase.Min = -2;
        phase.Max = 2;
        phase.Value = 0;
        lblPhase[i].Caption = "0°";
        lblRang[i].Caption = "Rang " + std::to_string(i + 1);
    }
    fraX0.Caption = "Valeur moyenne du signal : ";
    sldX0.Min = -100;
    sldX0.Max = 100;
    sldX0.Value = 0;
    pgbX0.Min = 0;
    pgbX0.Max = 200;
    pgbX0.Value = 100;
    lblAmpliX0.Caption = "0";
    fraSignalParticulier.Caption = "Signaux prédéfinis : ";
    const char* presets[kPresets] = {"Sinusoïde rang 1", "Carré", "Triangulaire", "Dent de scie",
                                     "Sinusoïde redressée double alternance"};
    for (int i = 0; i < kPresets; ++i)
        optSignal[i].Caption = presets[i];

    for (int i = 0; i < kPresets; ++i)
        optSignal[i].on.Click = [this, i] { optSignal_Click(i); };
    Potentio[0].on.MouseMove = [this](int b, int s, double x, double y) {
        Potentio_MouseMove(0, b, s, x, y);
    };
    Potentio[0].on.MouseUp = [this](int b, int s, double x, double y) { Potentio_MouseUp(0, b, s, x, y); };
    sldReglage.on.Click = [this] { sldReglage_Click(); };
    sldReglage.on.Scroll = [this] { sldReglage_Scroll(); };
    for (int i = 0; i < kHarmonics; ++i) {
        sldAmpli[i].on.Change = [this, i] { sldAmpli_Change(i); };
        sldAmpli[i].on.Scroll = [this, i] { sldAmpli_Scroll(i); };
        sldPhase[i].on.Change = [this, i] { sldPhase_Change(i); };
        sldPhase[i].on.Scroll = [this, i] { sldPhase_Scroll(i); };
    }
    sldX0.on.Change = [this] { sldX0_Change(); };
    sldX0.on.Scroll = [this] { sldX0_Scroll(); };
}

void FrmHarmonique::refreshUnlessUpdating() {
    if (app().mdi().ModeLibre && !updating) app().RefreshDisplay();
}

void FrmHarmonique::Form_Load() {
    loadPosition();
    sourceBranchee() = false;
    updating = true;
    for (int i = 0; i < kHarmonics; ++i) {
        pgbAmpli[i].Min = 0;
        pgbAmpli[i].Max = kFullScale;
        sldAmpli[i].Min = -kFullScale;
        sldAmpli[i].Max = 0;
    }
    for (int i = 0; i < kHarmonics; ++i)
        sldAmpli[i].setValue(i == 0 ? -kFullScale : 0);
    sldX0.Min = -100;
    sldX0.Max = 100;
    sldX0.setValue(0);
    pgbX0.Min = 0;
    pgbX0.Max = 200;

    markTerminals();
    Potentio[0].ToolTipText = "Pour permettre le réglage de la fréquence du signal.";

    selectFirstRange();
    drawFrequencyAndAmplitude(Potentio[0]);

    sstHarmo.ListIndex = 0;
    updating = false;
    if (app().mdi().ModeLibre) app().RefreshDisplay();
}

void FrmHarmonique::roundFrequency() {
    // One knob step is a thousandth of the range: the read-out's last digit. The top range
    // shows tenths of kilohertz only and keeps its frequency as it is.
    const double range = gamme();
    if (range <= 0 || range >= 100000) return;
    frequence() = RoundHalfEven(frequence() * 1000 / range) * range / 1000;
}

void FrmHarmonique::frequencyFromControls() {
    frequence() = (Potentio[0].Value + sldReglage.Value) * gamme() / 1000;
    roundFrequency();
    showReadout();
    if (app().mdi().ModeLibre) app().RefreshDisplay();
}

void FrmHarmonique::Potentio_MouseMove(int index, int button, int, double, double) {
    if (index != 0 || button != kLeftButton) return;
    sldReglage.setValue(0);
    frequencyFromControls();
}

void FrmHarmonique::Potentio_MouseUp(int index, int button, int shift, double x, double y) {
    Potentio_MouseMove(index, button, shift, x, y);
}

void FrmHarmonique::sldReglage_Click() {
    frequencyFromControls();
}

void FrmHarmonique::sldReglage_Scroll() {
    frequencyFromControls();
}

void FrmHarmonique::deselectPresets() {
    for (int i = 0; i < kPresets; ++i)
        optSignal[i].Value = 0;
}

void FrmHarmonique::sldAmpli_Scroll(int index) {
    deselectPresets(); // the spectrum is now the user's own
    sldAmpli_Change(index);
}

void FrmHarmonique::sldAmpli_Change(int index) {
    const double steps = std::abs(sldAmpli[index].Value);
    pgbAmpli[index].Value = steps;
    lblAmpli[index].Caption = percentText(steps);
    refreshUnlessUpdating();
}

void FrmHarmonique::sldPhase_Change(int index) {
    lblPhase[index].Caption = NumberText(sldPhase[index].Value * 90) + "°";
}

void FrmHarmonique::sldPhase_Scroll(int index) {
    sldPhase_Change(index);
    deselectPresets();
    refreshUnlessUpdating();
}

void FrmHarmonique::sldX0_Change() {
    pgbX0.Value = sldX0.Value + 100;
    lblAmpliX0.Caption = NumberText(sldX0.Value);
    refreshUnlessUpdating();
}

void FrmHarmonique::sldX0_Scroll() {
    sldX0_Change();
}

void FrmHarmonique::optSignal_Click(int index) {
    updating = true;
    const double mean = index == kRectified ? RoundHalfEven(amplitude()) : index;
    sldX0.setValue(mean);
    for (int i = 0; i < kHarmonics; ++i) {
        const Harmonic h = presetHarmonic(index, i + 1);
        sldAmpli[i].setValue(-h.steps);
        sldPhase[i].setValue(h.quarterTurns);
    }
    updating = false;
    if (app().mdi().ModeLibre) app().RefreshDisplay();
}

} // namespace ondivel
