#pragma once
// frmHarmoniqueA / frmHarmoniqueB, the harmonic generator of side A or B: twenty harmonics with
// amplitude and phase sliders, a mean value, ready-made spectra, and the frequency controls it
// shares with the function generator. The waveform synthesis and the spectrum read its sliders.
#include <string>

#include "core/form.h"
#include "core/ondivel.h"

namespace ondivel {

class FrmHarmonique : public Form {
  public:
    FrmHarmonique(Ondivel& app, int side);

    int side() const { return side_; }

    static constexpr int kHarmonics = 20;
    static constexpr int kPresets = 5;
    // Range multipliers of optGamme(0..5).
    static constexpr double kRanges[6] = {100000, 10000, 1000, 100, 10, 1};

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
    FormControl fraGamme{*this, ControlKind::Frame, "fraGamme"};
    ControlArray optGamme{*this, ControlKind::OptionButton, "optGamme", 6};
    ControlArray shpFreq{*this, ControlKind::Shape, "shpFreq", 6};
    ControlArray Potentio{*this, ControlKind::Knob, "Potentio", 1};
    FormControl sldReglage{*this, ControlKind::Slider, "sldReglage"};
    // lblFreqA on side A, lblFreqB on side B.
    FormControl lblFreq;
    FormControl lblUnite{*this, ControlKind::Label, "lblUnite"};
    ControlArray imgBorne{*this, ControlKind::Image, "imgBorne", 2};
    ControlArray imgFiche{*this, ControlKind::Image, "imgFiche", 2};
    ControlArray shpBorne{*this, ControlKind::Shape, "shpBorne", 2};
    // Fixed texts of the front panel.
    FormControl lblTitre{*this, ControlKind::Label, "lblTitre"};
    FormControl lblPower{*this, ControlKind::Label, "lblPower"};
    FormControl lblPotentio{*this, ControlKind::Label, "lblPotentio"};

    // True while the panel rewrites many sliders at once: one refresh instead of forty.
    bool updating = false;

    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_Unload(int& cancel) override;
    void chkOn_Click();
    void optGamme_Click(int index);
    void optSignal_Click(int index);
    void imgBorne_Click(int index);
    void imgFiche_Click(int index);
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

    // The generator is on when its switch reads "Off".
    bool isOn() const { return chkOn.Caption == "Off"; }

  private:
    // The globals of this panel's side.
    double& gamme() const;
    double& frequence() const;
    double& amplitude() const;
    bool& sourceBranchee() const;

    void showReadout();
    // Frequency from the knob and the fine slider, at the read-out's resolution.
    void frequencyFromControls();
    void roundFrequencyToRange();
    void deselectPresets();
    void refreshUnlessUpdating();
    bool plugsIn() const { return imgFiche[0].Visible && imgFiche[1].Visible; }
    // "HarmoA" or "HarmoB", the suffix of the settings keys.
    std::string shortName() const { return side_ == SideB ? "HarmoB" : "HarmoA"; }

    int side_;
};

} // namespace ondivel
