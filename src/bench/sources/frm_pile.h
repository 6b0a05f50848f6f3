#pragma once
// frmPileA / frmPileB, the battery of side A (CH1) or side B (CH2): 1.5 V, 4.5 V or 9 V as chosen
// in the toolbox, with a polarity switch. A battery needs no switch and no cable.
#include "bench/sources/side_panel.h"

namespace ondivel {

// Picture numbers of imgPile.
enum PilePicture : int {
    kPictureBattery15 = 1,
    kPictureBattery45 = 2,
    kPictureBattery9 = 3,
};

class FrmPile : public SidePanel {
  public:
    FrmPile(Ondivel& app, int side);

    FormControl imgPile{*this, ControlKind::Image, "imgPile"};
    ControlArray optPolarite{*this, ControlKind::OptionButton, "optPolarite", 2};

    void Form_Load() override;
    void Form_Activate() override;
    void optPolarite_Click(int index);

    // The nominal voltage of the battery shown, 0 before the first activation.
    double nominal() const { return nominal_; }

  private:
    // Closed by the user, the battery hands its channel back. Closed by the toolbox for another
    // battery, the toolbox already shows the new choice and must keep it.
    int wiredOption() const override { return wiredOption_; }

    double nominal_ = 0;
    // The toolbox option this panel shows, -1 before the first activation.
    int wiredOption_ = -1;
};

} // namespace ondivel
