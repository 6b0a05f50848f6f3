#pragma once
// frmDepot, asked at start-up in network mode when the settings name no deposit folder: the
// name of the folder, next to the program's, where each evaluation leaves its results.
#include "bench/bench_form.h"

namespace ondivel {

class FrmDepot : public BenchForm {
  public:
    explicit FrmDepot(Ondivel& app);

    FormControl lblInfo{*this, ControlKind::Label, "lblInfo"};
    FormControl txtDepot{*this, ControlKind::TextBox, "txtDepot"};
    FormControl cmdOK{*this, ControlKind::CommandButton, "cmdOK"};

    void Form_Load() override;
    // However the window closes, the name in the box becomes DossierDepot.
    void Form_Unload(int& cancel) override;
    void cmdOK_Click();
};

// The name suggested for the deposit folder.
inline constexpr const char* kDefaultDepositFolder = "Dépôt";

} // namespace ondivel
