#pragma once
// A label of a dialog view: the model's caption, without its access-key mark, in the model's colour.
#include <QLabel>

#include "ui/widgets/bound_widget.h"

namespace ondivel {

class Control;

class DialogLabel : public QLabel, public BoundWidget {
    Q_OBJECT
  public:
    DialogLabel(Control& c, QWidget* parent);
    void syncFromModel() override;

  private:
    Control& control_;
};

} // namespace ondivel
