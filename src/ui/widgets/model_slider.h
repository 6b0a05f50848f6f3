#pragma once
// A horizontal slider of a window model (the generators' fine adjustment): ticks, small and large
// steps from the control; a user move goes to user::slide, which raises Scroll then Change.
#include <QSlider>

#include "ui/widgets/bound_widget.h"

namespace ondivel {

class Control;

class ModelSlider : public QSlider, public BoundWidget {
    Q_OBJECT
  public:
    // `tickInterval` 0 hides the ticks.
    explicit ModelSlider(Control& slider, int tickInterval = 0, QWidget* parent = nullptr);
    void syncFromModel() override;
    const Control* boundControl() const override { return &slider_; }

  private:
    Control& slider_;
    bool syncing_ = false;
};

} // namespace ondivel
