#pragma once
// A horizontal slider of a window model (the generators' fine adjustment): ticks, small and large
// steps from the control; a user move goes to user::slide, which raises Scroll then Change.
#include <QSlider>
#include <QStyleOptionSlider>

#include "ui/widgets/bound_widget.h"

namespace ondivel {

class Control;

// Paints a slider as QSlider does but without the style's focus mark, which the panel's focus
// ring would double (focus_ring.h); `option` comes from the slider's initStyleOption.
void paintUnmarkedSlider(QSlider& slider, QStyleOptionSlider option);

class ModelSlider : public QSlider, public BoundWidget {
    Q_OBJECT
  public:
    // `tickInterval` 0 hides the ticks.
    explicit ModelSlider(Control& slider, int tickInterval = 0, QWidget* parent = nullptr);
    void syncFromModel() override;
    const Control* boundControl() const override { return &slider_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Control& slider_;
    bool syncing_ = false;
};

} // namespace ondivel
