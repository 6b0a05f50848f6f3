#pragma once
// frmVolt, the school digital voltmeter: a sixteen-position rotary selector, four terminals with
// their plugs, the channel it reads and a 3½-digit display. The measurement engine writes the
// display through ShowReading; the toolbox and the voltmeter menu show and close it.
#include <string>

#include "bench/bench_form.h"

namespace ondivel {

class FrmVolt : public BenchForm {
  public:
    explicit FrmVolt(Ondivel& app);

    FormControl imgSelecteur{*this, ControlKind::Image, "imgSelecteur"};
    ControlArray lblCal{*this, ControlKind::Label, "lblCal", 16};
    FormControl fraVoie{*this, ControlKind::Frame, "fraVoie"};
    ControlArray optVoie{*this, ControlKind::OptionButton, "optVoie", 2};
    ControlArray imgBorne{*this, ControlKind::Image, "imgBorne", 4};
    ControlArray imgFiche{*this, ControlKind::Image, "imgFiche", 4};
    FormControl lblValue{*this, ControlKind::Label, "lblValue"};
    FormControl lblSigne{*this, ControlKind::Label, "lblSigne"};
    FormControl lblValueError{*this, ControlKind::Label, "lblValueError"};
    FormControl tmrVolt{*this, ControlKind::Timer, "tmrVolt"};

    // Running time of the wandering display, seconds.
    double TempsAffichage = 0;
    // Where the selector's pointer is drawn, degrees clockwise from 12 o'clock.
    double AngleSelecteur = 0;

    // Terminals and plugs by index.
    static constexpr int kPlugV = 0, kPlugMilliAmps = 1, kPlugTenAmps = 2, kPlugCom = 3;
    static constexpr int kOff = 15;

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_MouseMove(int button, int shift, double x, double y) override;
    void imgBorne_Click(int index);
    void imgBorne_MouseMove(int index, int button, int shift, double x, double y);
    void imgFiche_Click(int index);
    void imgSelecteur_MouseMove(int button, int shift, double x, double y);
    void imgSelecteur_MouseUp(int button, int shift, double x, double y);
    void optVoie_Click(int index);
    void tmrVolt_Timer();

    // Writes a value on the display with the rules of the selector's position.
    void ShowReading(double value);
    void StopFluctuation() { tmrVolt.Enabled = false; }

    // Angle of a point (x, y downwards) around the centre of a w × h picture, clockwise from
    // 12 o'clock, in [0, 360).
    static double SelectorAngle(double x, double y, double w, double h);
    // The position a released selector snaps to, and the angle its pointer then shows.
    static int PositionAt(double angle);
    static double PositionAngle(int position);
    // Above this magnitude the display shows the overload "1".
    static double OverloadLimit(int position);
    static const char* ReadingFormat(int position);

  protected:
    void resetMembers() override {
        TempsAffichage = 0;
        AngleSelecteur = 0;
    }

  private:
    void togglePlug(int index);
};

} // namespace ondivel
