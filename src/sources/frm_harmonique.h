#pragma once
// frmHarmoniqueA / frmHarmoniqueB, the harmonic generator of side A or B: twenty harmonics with
// amplitude and phase sliders, a mean value, ready-made spectra, and the frequency controls it
// shares with the function generator. The waveform synthesis and the spectrum read its sliders.
#include "core/form.h"
#include "core/ondivel.h"

namespace ondivel {

class FrmHarmonique : public Form {
  public:
    FrmHarmonique(Ondivel& app, int side);

    int side() const { return side_; }

    static constexpr int kHarmonics = 20;

    FormControl chkOn{*this, ControlKind::CheckBox, "chkOn"};
    FormControl imgOn{*this, ControlKind::Image, "imgOn"};
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
    ControlArray optGamme{*this, ControlKind::OptionButton, "optGamme", 6};
    ControlArray shpFreq{*this, ControlKind::Shape, "shpFreq", 6};
    ControlArray Potentio{*this, ControlKind::Knob, "Potentio", 1};
    FormControl sldReglage{*this, ControlKind::Slider, "sldReglage"};
    FormControl lblFreq;
    FormControl lblUnite{*this, ControlKind::Label, "lblUnite"};
    ControlArray imgBorne{*this, ControlKind::Image, "imgBorne", 2};
    ControlArray imgFiche{*this, ControlKind::Image, "imgFiche", 2};
    ControlArray shpBorne{*this, ControlKind::Shape, "shpBorne", 2};

    // True while the panel rewrites many sliders at once: one refresh instead of forty.
    bool updating = false;

  private:
    int side_;
};

} // namespace ondivel
