#pragma once
// frmPileA / frmPileB, the battery of side A (CH1) or side B (CH2): 1.5 V, 4.5 V or 9 V as chosen
// in the toolbox, with a polarity switch. A battery needs no switch and no cable.
#include "core/form.h"
#include "core/ondivel.h"

namespace ondivel {

class FrmPile : public Form {
  public:
    FrmPile(Ondivel& app, int side);
    int side() const { return side_; }

    FormControl imgPile{*this, ControlKind::Image, "imgPile"};
    ControlArray optPolarite{*this, ControlKind::OptionButton, "optPolarite", 2};

    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_Unload(int& cancel) override;
    void optPolarite_Click(int index);

  private:
    int side_;
};

} // namespace ondivel
