#pragma once
// frmPassWord, where the teacher changes the password: the old one is required, even when the
// teacher menus are already open in this run.
#include "bench/bench_form.h"

namespace ondivel {

class FrmPassWord : public BenchForm {
  public:
    explicit FrmPassWord(Ondivel& app);

    // 0: the old password, 1: the new one.
    ControlArray lblPassWord{*this, ControlKind::Label, "lblPassWord", 2};
    ControlArray txtPassWord{*this, ControlKind::TextBox, "txtPassWord", 2};
    FormControl cmdOK{*this, ControlKind::CommandButton, "cmdOK"};
    FormControl Command1{*this, ControlKind::CommandButton, "Command1"};

    void Form_Load() override;
    void cmdOK_Click();
    void Command1_Click();
};

// Says that the administrator fixed the password for every account, so nothing changes here.
void TellPasswordFixedByAdministrator(Ondivel& app);

} // namespace ondivel
