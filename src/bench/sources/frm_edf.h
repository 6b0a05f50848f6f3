#pragma once
// frmEDFA / frmEDFB, the mains socket of side A or B: phase, neutral and earth terminals whose
// voltage and frequency depend on the part of the world chosen, and a blinking logo. Opened from
// the toolbox, which has already set the side's keyword to "Sinus".
#include "bench/sources/side_panel.h"

namespace ondivel {

class FrmEDF : public SidePanel {
  public:
    FrmEDF(Ondivel& app, int side);

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
    void Form_MouseMove(int button, int shift, double x, double y) override;
    void imgBorne_Click(int index);
    void imgBorne_MouseMove(int index, int button, int shift, double x, double y);
    // Side B only.
    void imgBorne_MouseDown(int index, int button, int shift, double x, double y);
    void imgFiche_Click(int index);
    void optWorld_Click(int index);
    void Timer1_Timer();

    static constexpr int kNeutre = 0, kPhase = 1, kTerre = 2;
    // Peak voltage and frequency of the mains in each part of the world, by optWorld index.
    struct Mains {
        const char* caption;
        double amplitude;
        double frequency;
    };
    static constexpr Mains kWorld[3] = {
        {"Europe", 325.3, 50},
        {"Amérique du Nord", 169.7056, 60},
        {"Japon", 141.4214, 60},
    };
    // Mouse pointers: the default arrow and the hand over the terminals.
    static constexpr int kDefaultPointer = 0, kHandPointer = 99;

  private:
    int selectedWorld() const;
    bool plugged(int index) const { return imgFiche[index].Visible; }
};

} // namespace ondivel
