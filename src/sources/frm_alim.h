#pragma once
// frmAlimA / frmAlimB, the stabilised DC supply of side A or B: 0 to 30 V with a coarse and a fine
// knob, a digital read-out with its sign, and NEG, POS and COM terminals.
#include "core/form.h"
#include "core/ondivel.h"

namespace ondivel {

class FrmAlim : public Form {
  public:
    FrmAlim(Ondivel& app, int side);
    int side() const { return side_; }

    FormControl chkOnOff{*this, ControlKind::CheckBox, "chkOnOff"};
    FormControl imgOn{*this, ControlKind::Image, "imgOn"};
    ControlArray Potentio{*this, ControlKind::Knob, "Potentio", 3};
    FormControl lblAffichage{*this, ControlKind::Label, "lblAffichage"};
    FormControl lblSigne{*this, ControlKind::Label, "lblSigne"};
    FormControl lblLEDCourant{*this, ControlKind::Label, "lblLEDCourant"};
    ControlArray imgBorne{*this, ControlKind::Image, "imgBorne", 3};
    ControlArray imgFiche{*this, ControlKind::Image, "imgFiche", 3};
    ControlArray lblBorne{*this, ControlKind::Label, "lblBorne", 3};
    // shpConnectionAlimA on side A, shpConnectionAlimB on side B.
    ControlArray shpConnection;

    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_Unload(int& cancel) override;

  private:
    int side_;
};

} // namespace ondivel
