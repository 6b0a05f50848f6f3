#pragma once
// A drop-down list of a dialog view: the user's choice goes to the model as a selection (ListIndex,
// Click); the items follow the model's List.
#include <QComboBox>

#include "ui/dialogs/touched.h"
#include "ui/widgets/bound_widget.h"

namespace ondivel {

class Control;

class DialogComboBox : public QComboBox, public BoundWidget {
    Q_OBJECT
  public:
    DialogComboBox(Control& c, Touched touched, QWidget* parent);
    void syncFromModel() override;

  private:
    Control& control_;
};

} // namespace ondivel
