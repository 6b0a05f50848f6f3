#pragma once
// The battery panel (frmPileA or frmPileB): the battery of the chosen voltage drawn as the real
// thing, with its + and − marked, beside the polarity switch that says which terminal goes to
// the channel.
#include "ui/views/panel_view.h"

namespace ondivel {

class FrmPile;
class PolaritySwitch;

class BatteryView : public PanelView {
    Q_OBJECT
  public:
    explicit BatteryView(FrmPile& pile, QWidget* parent = nullptr);

    void syncFromModel() override;

    PolaritySwitch* polaritySwitch() const { return switch_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    FrmPile& pile_;
    PolaritySwitch* switch_ = nullptr;
};

} // namespace ondivel
