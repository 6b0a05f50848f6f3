#pragma once
// A picture of the window: the answer light of the evaluation (grey while waiting, green when
// every answer was right), or an empty well for any other picture.
#include <QWidget>

#include "ui/widgets/bound_widget.h"

namespace ondivel {

class Control;

class DialogPicture : public QWidget, public BoundWidget {
    Q_OBJECT
  public:
    DialogPicture(Control& c, QWidget* parent);
    void syncFromModel() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Control& control_;
    int shown_ = -1;
};

} // namespace ondivel
