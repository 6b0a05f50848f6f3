#pragma once
// frmCorbeille, where the teacher throws exercise files away: each chosen file goes to the
// desktop's trash, where it can still be recovered.
#include <string>

#include "bench/bench_form.h"

namespace ondivel {

class FrmCorbeille : public BenchForm {
  public:
    explicit FrmCorbeille(Ondivel& app);

    FormControl lblInfo{*this, ControlKind::Label, "lblInfo"};
    // The exercise files of the folder, by name; several may be selected.
    FormControl flbOND{*this, ControlKind::ListBox, "flbOND"};
    FormControl lblNota{*this, ControlKind::Label, "lblNota"};
    FormControl cmdKill{*this, ControlKind::CommandButton, "cmdKill"};
    FormControl cmdCancel{*this, ControlKind::CommandButton, "cmdCancel"};

    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;
    void cmdKill_Click();
    void cmdCancel_Click();

    // The folder listed: the exercise files' folder, with its trailing separator.
    const std::string& folder() const { return folder_; }

  private:
    std::string folder_;
};

} // namespace ondivel
