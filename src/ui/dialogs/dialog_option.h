#pragma once
// An option button; the buttons of one frame and one model group share an exclusive group, so
// the arrow keys move the choice as on any desktop dialog.
#include <QRadioButton>

#include "ui/dialogs/touched.h"
#include "ui/widgets/bound_widget.h"

class QButtonGroup;

namespace ondivel {

class Control;

class DialogOption : public QRadioButton, public BoundWidget {
    Q_OBJECT
  public:
    DialogOption(Control& c, QButtonGroup* group, Touched touched, QWidget* parent);
    void syncFromModel() override;

  private:
    Control& control_;
    QButtonGroup* group_;
};

} // namespace ondivel
