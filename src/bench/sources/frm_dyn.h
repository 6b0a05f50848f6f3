#pragma once
// frmDynA / frmDynB, the bicycle alternator of side A or B: the wheel speed set with a coarse and a
// fine knob gives the frequency and the voltage. Opened from the toolbox, which has already set
// the side's keyword to "Dyn".
#include "bench/sources/side_panel.h"

namespace ondivel {

class FrmDyn : public SidePanel {
  public:
    FrmDyn(Ondivel& app, int side);

    ControlArray Potentio{*this, ControlKind::Knob, "Potentio", 2};
    FormControl lblVitesse{*this, ControlKind::Label, "lblVitesse"};
    FormControl imgDyn{*this, ControlKind::Image, "imgDyn"};
    ControlArray imgBorne{*this, ControlKind::Image, "imgBorne", 2};
    ControlArray imgFiche{*this, ControlKind::Image, "imgFiche", 2};
    ControlArray shpBorne{*this, ControlKind::Shape, "shpBorne", 2};
    // Fixed texts: the caption over the read-out, "FIN" under the fine knob, "COM".
    FormControl lblTitreVitesse{*this, ControlKind::Label, "lblTitreVitesse"};
    FormControl lblFin{*this, ControlKind::Label, "lblFin"};
    FormControl lblCom{*this, ControlKind::Label, "lblCom"};

    void Form_Load() override;
    void imgBorne_Click(int index);
    void imgFiche_Click(int index);
    void Potentio_DblClick(int index);
    void Potentio_MouseDown(int index, int button, int shift, double x, double y);
    // The knob component reports a drag as MouseMove and its release as MouseUp; the speed
    // follows them too, so that the read-out turns with the knob.
    void Potentio_MouseMove(int index, int button, int shift, double x, double y);
    void Potentio_MouseUp(int index, int button, int shift, double x, double y);

    // The wheel speed in tours/min the knobs give: the coarse knob plus a fine ±10.
    double speed() const;

    static constexpr int kSpeedKnob = 0;
    static constexpr int kFineKnob = 1;

  private:
    // Read-out, frequency and amplitude from the speed.
    void applySpeed();
};

} // namespace ondivel
