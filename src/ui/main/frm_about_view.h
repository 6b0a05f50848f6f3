#pragma once
// The view of the About box (frmAbout): the program's icon, name, version, licence, purpose and web site,
// the web and system information buttons.
#include "ui/main/help_menu_dialog.h"

namespace ondivel {

class FrmAbout;

class AboutView : public HelpMenuDialog {
    Q_OBJECT
  public:
    explicit AboutView(FrmAbout& about, QWidget* parent = nullptr);
    QSize designSize() const override { return {440, 260}; }
};

} // namespace ondivel
