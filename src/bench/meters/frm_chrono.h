#pragma once
// frmChrono, the round stopwatch with its alarm; opened from the toolbox and the main menu.
#include <cstdint>

#include "bench/bench_form.h"
#include "core/color.h"

namespace ondivel {

class FrmChrono : public BenchForm {
  public:
    explicit FrmChrono(Ondivel& app);

    // The system's active-title colour, resolved by the view.
    static constexpr Color kActiveTitle = 0x80000002;
    static constexpr Color kAlarmRed = RGB(255, 0, 0);

    FormControl lblEcran{*this, ControlKind::Label, "lblEcran"};
    FormControl lblTime{*this, ControlKind::Label, "lblTime"};
    FormControl chkStart_Stop{*this, ControlKind::CheckBox, "chkStart_Stop"};
    FormControl lblStop{*this, ControlKind::Label, "lblStop"};
    FormControl lblOnOff{*this, ControlKind::Label, "lblOnOff"};
    FormControl cmdRAZ{*this, ControlKind::CommandButton, "cmdRAZ"};
    FormControl cmdEnd{*this, ControlKind::CommandButton, "cmdEnd"};
    FormControl chkAlarme{*this, ControlKind::CheckBox, "chkAlarme"};
    FormControl lblAlarme{*this, ControlKind::Label, "lblAlarme"};
    FormControl sldAlarme{*this, ControlKind::Slider, "sldAlarme"};
    FormControl tmrChrono{*this, ControlKind::Timer, "tmrChrono"};

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void chkStart_Stop_Click();
    void chkAlarme_Click();
    void cmdRAZ_Click();
    void cmdEnd_Click();
    void tmrChrono_Timer();

    bool running() const { return tmrChrono.Enabled; }
    // Seconds measured so far, including the running stretch.
    double elapsedSeconds();

  private:
    void resetMembers() override;
    static std::string timeText(double seconds);

    std::int64_t startCount_ = 0;
    std::int64_t lastCount_ = 0; // the counter's last reading while running
    double accumulated_ = 0;
    double frequency_ = 1;
};

} // namespace ondivel
