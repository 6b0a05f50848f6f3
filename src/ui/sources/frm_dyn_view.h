#pragma once
// The panel of a bicycle alternator (frmDynA or frmDynB): the dynamo pressed against a wheel whose
// motion marks grow with the speed, the speed read-out, the speed knob and the small "FIN" knob,
// and the two output terminals with their colour marks.
#include <memory>
#include <vector>

#include "ui/views/panel_view.h"

namespace ondivel {

class Control;
class DigitalReadout;
class FrmDyn;
class KnobWidget;
class TerminalWidget;

class AlternatorView : public PanelView {
    Q_OBJECT
  public:
    explicit AlternatorView(FrmDyn& dyn, QWidget* parent = nullptr);
    ~AlternatorView() override;

    void syncFromModel() override;

    KnobWidget* knob(int index) const { return knobs_[static_cast<std::size_t>(index)]; }
    TerminalWidget* terminal(int index) const { return terminals_[static_cast<std::size_t>(index)]; }
    DigitalReadout* readout() const { return readout_; }
    // The wheel and the dynamo.
    QWidget* picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    FrmDyn& dyn_;
    // The digits of lblVitesse, which the seven-segment display shows without the unit.
    std::unique_ptr<Control> digits_;
    std::vector<KnobWidget*> knobs_;
    std::vector<TerminalWidget*> terminals_;
    DigitalReadout* readout_ = nullptr;
    QWidget* picture_ = nullptr;
};

} // namespace ondivel
