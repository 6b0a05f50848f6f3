#pragma once
// frmPass, the teacher password asked before a teacher menu. Taller, with a hint, while no
// password has been set.
#include "core/form.h"

namespace ondivel {

class FrmPass : public Form {
  public:
    explicit FrmPass(Ondivel& app);

    FormControl lblPassWord{*this, ControlKind::Label, "lblPassWord"};
    FormControl txtPassWord{*this, ControlKind::TextBox, "txtPassWord"};
    FormControl cmdOK{*this, ControlKind::CommandButton, "cmdOK"};
    FormControl cmdQuit{*this, ControlKind::CommandButton, "cmdQuit"};
    FormControl lblInfo{*this, ControlKind::Label, "lblInfo"};

    void Form_Load() override;
    void cmdOK_Click();
    void cmdQuit_Click();
};

// Shows frmPass modally; MotDePasseValide is set when the right password was given.
void AskTeacherPassword(Ondivel& app);

// The teacher password from the per-user settings; empty when none was set.
std::string StoredTeacherPassword(Ondivel& app);

} // namespace ondivel
