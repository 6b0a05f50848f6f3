#pragma once
// The front panel of a stabilised DC supply (frmAlimA or frmAlimB): a dark bench case with its
// heading, the red voltage display with its sign and the current display, the TENSION, FIN and
// COURANT knobs with their scales, the power switch and lamp, and the NEG, POS and COM terminals
// ringed with the channel's colour.
#include <memory>
#include <vector>

#include "ui/views/panel_view.h"

namespace ondivel {

class Control;
class DigitalReadout;
class FrmAlim;
class KnobWidget;
class ModelButton;
class TerminalWidget;

class SupplyView : public PanelView {
    Q_OBJECT
  public:
    explicit SupplyView(FrmAlim& alim, QWidget* parent = nullptr);
    ~SupplyView() override;

    void syncFromModel() override;

    // The parts the tests and the tour tool reach.
    KnobWidget* knob(int index) const { return knobs_[static_cast<std::size_t>(index)]; }
    ModelButton* powerButton() const { return power_; }
    DigitalReadout* voltage() const { return voltage_; }
    DigitalReadout* current() const { return current_; }
    TerminalWidget* terminal(int index) const { return terminals_[static_cast<std::size_t>(index)]; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    FrmAlim& alim_;
    // What the voltage display shows: the read-out with the sign before it while lblSigne shows.
    std::unique_ptr<Control> signedText_;
    std::vector<KnobWidget*> knobs_;
    std::vector<TerminalWidget*> terminals_;
    ModelButton* power_ = nullptr;
    DigitalReadout* voltage_ = nullptr;
    DigitalReadout* current_ = nullptr;
};

} // namespace ondivel
