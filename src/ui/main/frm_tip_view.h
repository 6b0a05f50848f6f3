#pragma once
// The view of the tip of the day (frmTip): a light bulb beside the tip, the next tip, the
// start-up check box.
#include "ui/main/help_menu_dialog.h"

namespace ondivel {

class FrmTip;

class TipView : public HelpMenuDialog {
    Q_OBJECT
  public:
    explicit TipView(FrmTip& tip, QWidget* parent = nullptr);
    QSize designSize() const override { return {460, 240}; }
};

} // namespace ondivel
