#pragma once
// frmHarmoniqueA / frmHarmoniqueB, the harmonic generator of side A or B: twenty harmonics with
// amplitude and phase sliders, a mean value, ready-made spectra, and the frequency controls it
// shares with the function generator. The waveform synthesis and the spectrum read its sliders.
#include <string>

#include "bench/sources/generator_panel.h"

namespace ondivel {

class FrmHarmonique : public GeneratorPanel {
  public:
    FrmHarmonique(Ondivel& app, int side);

    static constexpr int kHarmonics = 20;
    static constexpr int kPresets = 5;

    // Its List holds the two tab captions; ListIndex is the tab shown.
    FormControl sstHarmo{*this, ControlKind::TabStrip, "sstHarmo"};
    ControlArray fraH{*this, ControlKind::Frame, "fraH", 20};
    ControlArray sldAmpli{*this, ControlKind::Slider, "sldAmpli", 20};
    ControlArray pgbAmpli{*this, ControlKind::ProgressBar, "pgbAmpli", 20};
    ControlArray lblAmpli{*this, ControlKind::Label, "lblAmpli", 20};
    ControlArray sldPhase{*this, ControlKind::Slider, "sldPhase", 20};
    ControlArray lblPhase{*this, ControlKind::Label, "lblPhase", 20};
    ControlArray lblRang{*this, ControlKind::Label, "lblRang", 20};
    FormControl fraX0{*this, ControlKind::Frame, "fraX0"};
    FormControl sldX0{*this, ControlKind::Slider, "sldX0"};
    FormControl pgbX0{*this, ControlKind::ProgressBar, "pgbX0"};
    FormControl lblAmpliX0{*this, ControlKind::Label, "lblAmpliX0"};
    FormControl fraSignalParticulier{*this, ControlKind::Frame, "fraSignalParticulier"};
    ControlArray optSignal{*this, ControlKind::OptionButton, "optSignal", 5};
    ControlArray Potentio{*this, ControlKind::Knob, "Potentio", 1};
    FormControl sldReglage{*this, ControlKind::Slider, "sldReglage"};
    // Fixed text of the front panel.
    FormControl lblPotentio{*this, ControlKind::Label, "lblPotentio"};

    // True while the panel rewrites many sliders at once: one refresh instead of forty.
    bool updating = false;

    void Form_Load() override;
    void optSignal_Click(int index);
    void Potentio_MouseMove(int index, int button, int shift, double x, double y);
    void Potentio_MouseUp(int index, int button, int shift, double x, double y);
    void sldReglage_Click();
    void sldReglage_Scroll();
    void sldAmpli_Change(int index);
    void sldAmpli_Scroll(int index);
    void sldPhase_Change(int index);
    void sldPhase_Scroll(int index);
    void sldX0_Change();
    void sldX0_Scroll();

  private:
    // Frequency from the knob and the fine slider, at the read-out's resolution.
    void frequencyFromControls();
    void roundFrequency() override;
    void deselectPresets();
    void refreshUnlessUpdating();
};

} // namespace ondivel
