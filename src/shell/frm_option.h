#pragma once
// frmOption, the options window: interface options, screen colours and print styles. Loaded
// hidden at start-up so that the preferences are read into its controls.
#include "core/form.h"

namespace ondivel {

class FrmOption : public Form {
public:
    explicit FrmOption(Ondivel& app);

    FormControl sstOptions{*this, ControlKind::TabStrip, "sstOptions"};
    FormControl chkLoadTipsAtStartup{*this, ControlKind::CheckBox, "chkLoadTipsAtStartup"};
    FormControl chkToolTip{*this, ControlKind::CheckBox, "chkToolTip"};
    FormControl chkReglage{*this, ControlKind::CheckBox, "chkReglage"};
    FormControl chkMultimetre{*this, ControlKind::CheckBox, "chkMultimetre"};
    FormControl chkCopySensibility{*this, ControlKind::CheckBox, "chkCopySensibility"};
    FormControl picColor_Fond{*this, ControlKind::Picture, "picColor_Fond"};
    FormControl cmdColor_Fond{*this, ControlKind::CommandButton, "cmdColor_Fond"};
    FormControl fraColor{*this, ControlKind::Frame, "fraColor"};
    ControlArray optColor{*this, ControlKind::OptionButton, "optColor", 5};
    ControlArray shpColor{*this, ControlKind::Shape, "shpColor", 5};
    FormControl cmdChange{*this, ControlKind::CommandButton, "cmdChange"};
    FormControl cmdDefault{*this, ControlKind::CommandButton, "cmdDefault"};
    FormControl cmdPrint{*this, ControlKind::CommandButton, "cmdPrint"};
    // Print style per trace: index 0 for trace A, 1 for trace B.
    ControlArray cbxStyle{*this, ControlKind::ComboBox, "cbxStyle", 2};
    ControlArray optMarqueA{*this, ControlKind::OptionButton, "optMarqueA", 2};
    ControlArray optMarqueB{*this, ControlKind::OptionButton, "optMarqueB", 2};
    ControlArray cbxMarque{*this, ControlKind::ComboBox, "cbxMarque", 2};
    ControlArray cbxWidth{*this, ControlKind::ComboBox, "cbxWidth", 2};
    ControlArray lblMarque{*this, ControlKind::Label, "lblMarque", 2};
    ControlArray lblWidth{*this, ControlKind::Label, "lblWidth", 2};
    FormControl cmdOK{*this, ControlKind::CommandButton, "cmdOK"};
    FormControl cmdAppliq{*this, ControlKind::CommandButton, "cmdAppliq"};
    FormControl cmdCancel{*this, ControlKind::CommandButton, "cmdCancel"};

    void Form_Load() override;
    void optMarqueA_Click(int index);
    void optMarqueB_Click(int index);
};

} // namespace ondivel
