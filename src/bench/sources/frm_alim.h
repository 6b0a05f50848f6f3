#pragma once
// frmAlimA / frmAlimB, the stabilised DC supply of side A or B: 0 to 30 V with a coarse and a fine
// knob, a digital read-out with its sign, and NEG, POS and COM terminals. Opened from the toolbox;
// it delivers only while on with the common plug and one signal plug in place.
#include "bench/sources/side_panel.h"

namespace ondivel {

// Picture numbers of the power lamp.
enum AlimPicture : int {
    kPictureAlimLampOff = 1,
    kPictureAlimLampOn = 2,
};

class FrmAlim : public SidePanel {
  public:
    FrmAlim(Ondivel& app, int side);

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
    // Engraved texts of the front panel: the heading, the knob names and their scales.
    FormControl lblTitre{*this, ControlKind::Label, "lblTitre"};
    ControlArray lblPotentio{*this, ControlKind::Label, "lblPotentio", 3};
    ControlArray lblEchelle{*this, ControlKind::Label, "lblEchelle", 3};

    void Form_Load() override;
    void chkOnOff_Click();
    void imgBorne_Click(int index);
    void imgFiche_Click(int index);
    void Potentio_DblClick(int index);
    void Potentio_MouseMove(int index, int button, int shift, double x, double y);

    // The supply is on when its switch reads "Off".
    bool isOn() const { return chkOnOff.Caption == "Off"; }

    static constexpr int kPlugNeg = 0, kPlugPos = 1, kPlugCom = 2;
    static constexpr int kVoltageKnob = 0, kFineKnob = 1, kCurrentKnob = 2;

  private:
    // On, the common plug in, and the signal plug on NEG or POS.
    bool delivers() const;
    void showReadout();
};

} // namespace ondivel
