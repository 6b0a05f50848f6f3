#pragma once
// A check box of a dialog view: a click goes to the model's Click, which sets its Value.
#include <QCheckBox>

#include "ui/dialogs/touched.h"
#include "ui/widgets/bound_widget.h"

namespace ondivel {

class Control;

class DialogCheckBox : public QCheckBox, public BoundWidget {
    Q_OBJECT
  public:
    DialogCheckBox(Control& c, Touched touched, QWidget* parent);
    void syncFromModel() override;

  private:
    Control& control_;
};

} // namespace ondivel
