#pragma once
// A frame of a dialog view, drawn as the classic etched box whose top line runs through its title.
#include <QGroupBox>

#include "ui/widgets/bound_widget.h"

namespace ondivel {

class Control;

class DialogFrame : public QGroupBox, public BoundWidget {
    Q_OBJECT
  public:
    DialogFrame(Control& c, QWidget* parent);
    void syncFromModel() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Control& control_;
};

} // namespace ondivel
