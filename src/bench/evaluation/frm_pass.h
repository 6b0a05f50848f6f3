#pragma once
// frmPass, the teacher password asked before a teacher menu. Taller, with a hint, while no
// password has been set.
#include "bench/bench_form.h"

namespace ondivel {

class FrmPass : public BenchForm {
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

// The teacher password is the administrator's, for every account, when the system-wide file
// exists; otherwise the per-user one, where an empty value means none (an empty entry unlocks).
bool TeacherPasswordIsSet(Ondivel& app);
bool TeacherPasswordFixedByAdministrator(Ondivel& app);

// Whether the typed text is the teacher password. A clear text left by an older version still
// matches, once: it is replaced by its hash at that moment.
bool TeacherPasswordMatches(Ondivel& app, const std::string& typed);

// Keeps the per-user password as a hash; an empty one stays empty (no password). False when it
// could not be hashed, in which case nothing is stored.
bool StoreTeacherPassword(Ondivel& app, const std::string& clear);

} // namespace ondivel
