#pragma once
// The school voltmeter (frmVolt) drawn as a handheld meter: the grey liquid-crystal display at
// the top, the rotary selector with its range captions, the four terminals and the two channel
// buttons. It paints the model and forwards the user's gestures; the model decides everything.
#include "ui/views/panel_view.h"

namespace ondivel {

class FrmVolt;

class VoltView : public PanelView {
    Q_OBJECT
  public:
    explicit VoltView(FrmVolt& volt, QWidget* parent = nullptr);

    void syncFromModel() override;

    // The display (its accessible description is the reading with its unit), the selector and
    // the terminals V, mA, 10A and COM.
    QWidget* display() const { return display_; }
    QWidget* dial() const { return dial_; }
    QWidget* terminal(int index) const { return terminals_[index]; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    FrmVolt& volt_;
    QWidget* display_ = nullptr;
    QWidget* dial_ = nullptr;
    QWidget* terminals_[4] = {};
};

} // namespace ondivel
