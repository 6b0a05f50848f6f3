#pragma once
// frmAbout, the About box: the program's name, version, licence and purpose, the maker's web site
// when the installation names a real one, and a button that shows what the system is made of
// (useful when a teacher reports a problem).
#include "bench/bench_form.h"

namespace ondivel {

class FrmAbout : public BenchForm {
  public:
    explicit FrmAbout(Ondivel& app);

    FormControl lblTitle{*this, ControlKind::Label, "lblTitle"};
    FormControl lblVersion{*this, ControlKind::Label, "lblVersion"};
    FormControl lblDescription{*this, ControlKind::Label, "lblDescription"};
    FormControl lblLicence{*this, ControlKind::Label, "lblLicence"};
    FormControl lblWeb{*this, ControlKind::Label, "lblWeb"};
    FormControl cmdOK{*this, ControlKind::CommandButton, "cmdOK"};
    FormControl cmdWeb{*this, ControlKind::CommandButton, "cmdWeb"};
    FormControl cmdSysInfo{*this, ControlKind::CommandButton, "cmdSysInfo"};

    void Form_Load() override;
    void cmdOK_Click();
    void cmdWeb_Click();
    void cmdSysInfo_Click();
};

} // namespace ondivel
