#pragma once
// frmAbout, the About box: the program's name, version and purpose, the maker's web site, and a
// button that shows what the system is made of (useful when a teacher reports a problem).
#include "bench/bench_form.h"

namespace ondivel {

class FrmAbout : public BenchForm {
  public:
    explicit FrmAbout(Ondivel& app);

    FormControl lblTitle{*this, ControlKind::Label, "lblTitle"};
    FormControl lblVersion{*this, ControlKind::Label, "lblVersion"};
    FormControl lblDescription{*this, ControlKind::Label, "lblDescription"};
    FormControl lblWeb{*this, ControlKind::Label, "lblWeb"};
    FormControl cmdOK{*this, ControlKind::CommandButton, "cmdOK"};
    FormControl cmdSysInfo{*this, ControlKind::CommandButton, "cmdSysInfo"};

    void Form_Load() override;
    void cmdOK_Click();
    void cmdSysInfo_Click();
};

} // namespace ondivel
