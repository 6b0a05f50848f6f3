#pragma once
// frmName, the pupil's identity asked before an evaluation. Its boxes keep what was typed for the
// later evaluations of the same run: OK hides the window rather than unloading it.
#include <string>

#include "bench/bench_form.h"

namespace ondivel {

class FrmName : public BenchForm {
  public:
    explicit FrmName(Ondivel& app);

    // 1 name, 2 first name, 3 class.
    ControlArray lblIdent{*this, ControlKind::Label, "lblIdent", 3, 1};
    ControlArray txtIdent{*this, ControlKind::TextBox, "txtIdent", 3, 1};
    FormControl cmdOK{*this, ControlKind::CommandButton, "cmdOK"};
    FormControl cmdAnnul{*this, ControlKind::CommandButton, "cmdAnnul"};
    FormControl cmdEnd{*this, ControlKind::CommandButton, "cmdEnd"};

    void cmdOK_Click();
    void cmdAnnul_Click();
    void cmdEnd_Click();
    void txtIdent_GotFocus(int index);
    void Form_KeyDown(int keyCode, int shift) override;

    // The typed identity, blanks around it dropped; "" when the window is not loaded.
    std::string identity(int index) const;
};

} // namespace ondivel
