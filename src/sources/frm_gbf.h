#pragma once
// frmGBFA / frmGBFB, the function generator of side A (CH1) or side B (CH2): power, six
// frequency ranges, three waveforms, four knobs with their fine sliders, the frequency read-out
// and two output terminals. Opened from the toolbox; the renderer's channel assembly reads its
// duty-cycle and offset knobs.
#include <string>

#include "core/form.h"
#include "core/ondivel.h"

namespace ondivel {

// Picture numbers shown by the generator's image controls.
enum GbfPicture : int {
    kPictureLampOff = 1,
    kPictureLampOn = 2,
    kPictureSine = 3,
    kPictureSquare = 4,
    kPictureTriangle = 5,
};

class FrmGBF : public Form {
  public:
    FrmGBF(Ondivel& app, int side);

    int side() const { return side_; }

    FormControl chkOn{*this, ControlKind::CheckBox, "chkOn"};
    FormControl imgOn{*this, ControlKind::Image, "imgOn"};
    FormControl fraGamme{*this, ControlKind::Frame, "fraGamme"};
    ControlArray optGamme{*this, ControlKind::OptionButton, "optGamme", 6};
    ControlArray shpFreq{*this, ControlKind::Shape, "shpFreq", 6};
    FormControl fraSignal{*this, ControlKind::Frame, "fraSignal"};
    ControlArray optSignal{*this, ControlKind::OptionButton, "optSignal", 3};
    ControlArray shpSignal{*this, ControlKind::Shape, "shpSignal", 3};
    ControlArray Potentio{*this, ControlKind::Knob, "Potentio", 4};
    ControlArray sldReglage{*this, ControlKind::Slider, "sldReglage", 4};
    // lblFreqA on side A, lblFreqB on side B.
    FormControl lblFreq;
    FormControl lblUnite{*this, ControlKind::Label, "lblUnite"};
    FormControl imgSignal{*this, ControlKind::Image, "imgSignal"};
    ControlArray imgBorne{*this, ControlKind::Image, "imgBorne", 2};
    ControlArray imgFiche{*this, ControlKind::Image, "imgFiche", 2};
    ControlArray shpBorne{*this, ControlKind::Shape, "shpBorne", 2};
    // Fixed texts of the front panel.
    FormControl lblTitre{*this, ControlKind::Label, "lblTitre"};
    FormControl lblPower{*this, ControlKind::Label, "lblPower"};
    ControlArray lblPotentio{*this, ControlKind::Label, "lblPotentio", 4};
    // Under the amplitude knob (0) and the offset knob (1).
    ControlArray lblMinMax{*this, ControlKind::Label, "lblMinMax", 2};

    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_Unload(int& cancel) override;
    void chkOn_Click();
    void optGamme_Click(int index);
    void optSignal_Click(int index);
    void imgBorne_Click(int index);
    void imgFiche_Click(int index);
    void Potentio_DblClick(int index);
    void Potentio_MouseMove(int index, int button, int shift, double x, double y);
    void Potentio_MouseUp(int index, int button, int shift, double x, double y);
    void sldReglage_Scroll(int index);

    // The generator is on when its switch reads "Off".
    bool isOn() const { return chkOn.Caption == "Off"; }
    // True while Form_Unload runs, so that the toolbox does not close the panel a second time

    // Range multipliers of optGamme(0..5).
    static constexpr double kRanges[6] = {100000, 10000, 1000, 100, 10, 1};

  private:
    // The globals of this panel's side.
    double& gamme() const;
    double& frequence() const;
    double& amplitude() const;
    std::string& signal() const;
    bool& sourceBranchee() const;

    void showReadout();
    void knobMoved(int index, int button);
    bool plugsIn() const { return imgFiche[0].Visible && imgFiche[1].Visible; }
    // "GBFA" or "GBFB", the suffix of the settings keys.
    std::string shortName() const { return side_ == SideB ? "GBFB" : "GBFA"; }

    int side_;
};

} // namespace ondivel
