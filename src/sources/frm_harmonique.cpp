#include "sources/frm_harmonique.h"

#include <string>

namespace ondivel {

FrmHarmonique::FrmHarmonique(Ondivel& app, int side)
    : Form(app, side == SideB ? "frmHarmoniqueB" : "frmHarmoniqueA"),
      lblFreq(*this, ControlKind::Label, side == SideB ? "lblFreqB" : "lblFreqA"), side_(side) {
    Caption = side == SideB ? "Générateur d'harmoniques - Voie CH2" : "Générateur d'harmoniques - Voie CH1";

    // The waveform synthesis reads these sliders whether or not the panel was ever opened, so
    // their design-time values are the pure fundamental at full scale with no mean value.
    sstHarmo.addItem("Harmoniques de rang 1 à 10");
    sstHarmo.addItem("Harmoniques de rang 11 à 20");
    sstHarmo.ListIndex = 0;
    for (int i = 0; i < kHarmonics; ++i) {
        const bool fundamental = i == 0;
        Control& ampli = sldAmpli[i];
        ampli.Min = -1000; // top of the slider is the largest amplitude
        ampli.Max = 0;
        ampli.Value = fundamental ? -1000 : 0;
        pgbAmpli[i].Min = 0;
        pgbAmpli[i].Max = 1000;
        pgbAmpli[i].Value = fundamental ? 1000 : 0;
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
    const char* presets[5] = {"Sinusoïde rang 1", "Carré", "Triangulaire", "Dent de scie",
                              "Sinusoïde redressée double alternance"};
    for (int i = 0; i < 5; ++i)
        optSignal[i].Caption = presets[i];
}

} // namespace ondivel
