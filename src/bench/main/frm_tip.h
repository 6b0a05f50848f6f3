#pragma once
// frmTip, the tip of the day: one tip drawn at random, the next one on demand, and the check box
// that decides whether the window opens at start-up. Shown modally at start-up and from the Help
// menu.
#include <string>
#include <vector>

#include "bench/bench_form.h"

namespace ondivel {

class FrmTip : public BenchForm {
  public:
    explicit FrmTip(Ondivel& app);

    FormControl lblTitle{*this, ControlKind::Label, "lblTitle"};
    FormControl lblTipText{*this, ControlKind::Label, "lblTipText"};
    FormControl chkLoadTipsAtStartup{*this, ControlKind::CheckBox, "chkLoadTipsAtStartup"};
    FormControl cmdNextTip{*this, ControlKind::CommandButton, "cmdNextTip"};
    FormControl cmdOK{*this, ControlKind::CommandButton, "cmdOK"};

    // Index of the tip shown, -1 when there is none.
    int CurrentTip = -1;

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_KeyDown(int keyCode, int shift) override;
    void cmdNextTip_Click();
    void cmdOK_Click();

    int tipCount() const { return static_cast<int>(tips_.size()); }

  protected:
    void resetMembers() override;

  private:
    void showTip(int index);

    std::vector<std::string> tips_;
};

// Shows the tip window modally; does nothing when there is no tip to show.
void ShowTipOfTheDay(Ondivel& app);

} // namespace ondivel
