#pragma once
// A command button of a dialog view: a click goes to the model's Click; the editor's arrow buttons,
// which have no caption, show arrows.
#include <QPushButton>

#include "ui/dialogs/touched.h"
#include "ui/widgets/bound_widget.h"

namespace ondivel {

class Control;

class DialogButton : public QPushButton, public BoundWidget {
    Q_OBJECT
  public:
    DialogButton(Control& c, Touched touched, QWidget* parent);
    void syncFromModel() override;

  private:
    Control& control_;
};

} // namespace ondivel
