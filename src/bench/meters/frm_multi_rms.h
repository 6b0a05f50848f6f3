#pragma once
// frmMulti_RMS, the true-r.m.s. multimeter: an eight-position selector, automatic or manual
// ranges, a MIN/MAX memory and a bargraph. The measurement engine writes its readings through
// Afficher; the toolbox and the global refresh reach it through Rafraichir.
#include <string>

#include "bench/bench_form.h"

namespace ondivel {

class FrmMultiRMS : public BenchForm {
  public:
    explicit FrmMultiRMS(Ondivel& app);

    // Selector positions: OFF, V ~ (true r.m.s.), V =, mV =, then four functions without a voltage.
    static constexpr int kOff = 0, kVoltsAC = 1, kVoltsDC = 2, kMilliVoltsDC = 3;
    // The MIN/MAX key's memory.
    enum class Memory { Off, Max, Min };

    FormControl imgSelecteur{*this, ControlKind::Image, "imgSelecteur"};
    ControlArray cmdBouton{*this, ControlKind::CommandButton, "cmdBouton", 2};
    FormControl lblValue{*this, ControlKind::Label, "lblValue"};
    FormControl lblSigne{*this, ControlKind::Label, "lblSigne"};
    FormControl lblValueError{*this, ControlKind::Label, "lblValueError"};
    FormControl lblAuto{*this, ControlKind::Label, "lblAuto"};
    FormControl lblManuel{*this, ControlKind::Label, "lblManuel"};
    FormControl lblGamme{*this, ControlKind::Label, "lblGamme"};
    ControlArray lblMinMax{*this, ControlKind::Label, "lblMinMax", 3};
    FormControl chkACDC{*this, ControlKind::CheckBox, "chkACDC"};
    FormControl lblACDC{*this, ControlKind::Label, "lblACDC"};
    FormControl lblUnite{*this, ControlKind::Label, "lblUnite"};
    FormControl pgbRANGE{*this, ControlKind::ProgressBar, "pgbRANGE"};
    FormControl shpAffichage{*this, ControlKind::Shape, "shpAffichage"};
    ControlArray imgBorne{*this, ControlKind::Image, "imgBorne", 4};
    ControlArray imgFiche{*this, ControlKind::Image, "imgFiche", 4};
    ControlArray optVoie{*this, ControlKind::OptionButton, "optVoie", 2};
    // Captions of the selector's functions, one per position.
    ControlArray lblFonction{*this, ControlKind::Label, "lblFonction", 8};

    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_MouseMove(int button, int shift, double x, double y) override;
    void Form_Unload(int& cancel) override;
    void cmdBouton_Click(int index);
    void imgBorne_Click(int index);
    void imgBorne_MouseMove(int index, int button, int shift, double x, double y);
    void imgFiche_Click(int index);
    void imgSelecteur_MouseMove(int button, int shift, double x, double y);
    void imgSelecteur_MouseUp(int button, int shift, double x, double y);
    void optVoie_Click(int index);

    // Re-runs the TRMS measurement.
    void Rafraichir();
    // Shows a value (volts) by the range rules: automatic or manual range, overload, sign.
    void Afficher(double value);

    // The pointer's angle in degrees, clockwise from 12 o'clock (drawn by the view).
    // Where the pointer rests on each of the kPositions positions (0 OFF … 7 A).
    static constexpr int kPositions = 8;
    static double PositionAngle(int position);
    double pointerAngle() const { return pointerAngle_; }
    bool automatic() const { return automatic_; }
    Memory memory() const { return memory_; }
    // The channel the meter measures: 0 for CH1, 1 for CH2.
    int channel() const { return optVoie[1].isOn() ? 1 : 0; }

  private:
    int position() const;
    void showIndicators();
    void saveRange() const;

    double pointerAngle_ = 0;
    bool automatic_ = true;
    std::string manualRange_ = "60 V";
    Memory memory_ = Memory::Off;
};

// Angle of a point (x, y downwards) seen from a centre, in degrees clockwise from 12 o'clock.
double SelectorAngle(double cx, double cy, double x, double y);
// Position of the TRMS selector for an angle, by its bands.
int TrmsPositionOfAngle(double angle);

} // namespace ondivel
