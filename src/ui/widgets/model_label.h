#pragma once
// A label of a window model: its Caption, visibility and tooltip. The panels use it for the
// engraved texts of the instruments ("FREQ", "Min     Max", the unit of the read-out).
#include <QLabel>

#include "ui/widgets/bound_widget.h"

namespace ondivel {

class Control;

class ModelLabel : public QLabel, public BoundWidget {
    Q_OBJECT
  public:
    explicit ModelLabel(Control& label, QWidget* parent = nullptr);
    void syncFromModel() override;

  private:
    Control& label_;
};

} // namespace ondivel
