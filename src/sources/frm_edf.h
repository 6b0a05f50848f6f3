#pragma once
// frmEDFA / frmEDFB, the mains socket of side A or B: phase, neutral and earth terminals whose
// voltage and frequency depend on the part of the world chosen, and a blinking logo.
#include "core/form.h"
#include "core/ondivel.h"

namespace ondivel {

class FrmEDF : public Form {
  public:
    FrmEDF(Ondivel& app, int side);
    int side() const { return side_; }

    FormControl fraWorld{*this, ControlKind::Frame, "fraWorld"};
    ControlArray optWorld{*this, ControlKind::OptionButton, "optWorld", 3};
    ControlArray imgBorne{*this, ControlKind::Image, "imgBorne", 3};
    ControlArray imgFiche{*this, ControlKind::Image, "imgFiche", 3};
    FormControl lblNeutre{*this, ControlKind::Label, "lblNeutre"};
    FormControl lblPhase{*this, ControlKind::Label, "lblPhase"};
    FormControl lblTerre{*this, ControlKind::Label, "lblTerre"};
    FormControl imgLogo{*this, ControlKind::Image, "imgLogo"};
    FormControl Timer1{*this, ControlKind::Timer, "Timer1"};

    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_Unload(int& cancel) override;

  private:
    int side_;
};

} // namespace ondivel
