#pragma once
// frmDynA / frmDynB, the bicycle alternator of side A or B: the wheel speed set with a coarse and a
// fine knob gives the frequency and the voltage.
#include "core/form.h"
#include "core/ondivel.h"

namespace ondivel {

class FrmDyn : public Form {
  public:
    FrmDyn(Ondivel& app, int side);
    int side() const { return side_; }

    ControlArray Potentio{*this, ControlKind::Knob, "Potentio", 2};
    FormControl lblVitesse{*this, ControlKind::Label, "lblVitesse"};
    FormControl imgDyn{*this, ControlKind::Image, "imgDyn"};
    ControlArray imgBorne{*this, ControlKind::Image, "imgBorne", 2};
    ControlArray imgFiche{*this, ControlKind::Image, "imgFiche", 2};
    ControlArray shpBorne{*this, ControlKind::Shape, "shpBorne", 2};

    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_Unload(int& cancel) override;

  private:
    int side_;
};

} // namespace ondivel
