#pragma once
// The TRUE RMS multimeter (frmMulti_RMS): a grey liquid-crystal display with its indicators and
// bargraph, the MIN/MAX, RANGE and AC/DC keys, the eight-position rotary selector, the channel
// buttons and the four terminals with their plugs.
#include "ui/views/panel_view.h"

namespace ondivel {

class FrmMultiRMS;

class TrmsView : public PanelView {
    Q_OBJECT
  public:
    explicit TrmsView(FrmMultiRMS& meter, QWidget* parent = nullptr);

    void syncFromModel() override;

    // The parts the tests and the tour tool reach.
    QWidget* display() const { return display_; }
    QWidget* selector() const { return selector_; }
    QWidget* key(int index) const { return keys_[index]; }
    QWidget* terminal(int index) const { return terminals_[index]; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    FrmMultiRMS& meter_;
    QWidget* display_ = nullptr;
    QWidget* selector_ = nullptr;
    QWidget* keys_[3] = {};
    QWidget* terminals_[4] = {};
};

} // namespace ondivel
