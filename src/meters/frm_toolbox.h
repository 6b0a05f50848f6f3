#pragma once
// frmToolBox, the window from which the bench is wired: the source of each channel, the meter,
// the stopwatch and the calculator.
#include "core/form.h"

namespace ondivel {

class FrmToolBox : public Form {
public:
    explicit FrmToolBox(Ondivel& app);

    ControlArray fraAlim{*this, ControlKind::Frame, "fraAlim", 2};
    ControlArray optConnexion{*this, ControlKind::OptionButton, "optConnexion", 18};
    FormControl chkMulti{*this, ControlKind::CheckBox, "chkMulti"};
    FormControl chkClock{*this, ControlKind::CheckBox, "chkClock"};
    FormControl chkCalc{*this, ControlKind::CheckBox, "chkCalc"};

    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;
    void optConnexion_Click(int index);
    void chkMulti_Click();
    void chkClock_Click();
    void chkCalc_Click();

    // Releases the channel of the chosen connection before a new source is wired.
    void ChangerConnexion(int index);
    // True for the connection options of CH1 (0 to 5, 12, 14, 16).
    static bool isSideA(int index);
};

} // namespace ondivel
