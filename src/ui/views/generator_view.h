#pragma once
// The front panel of a function generator (frmGBFA or frmGBFB): heading, read-out with its unit
// and waveform pictogram, power switch and lamp, range and waveform buttons with their lamps, the
// four knobs with their fine sliders, and the two output terminals with their colour marks.
#include <vector>

#include "ui/views/panel_view.h"

namespace ondivel {

class FrmGBF;
class KnobWidget;
class DigitalReadout;
class TerminalWidget;
class ModelButton;

class GeneratorView : public PanelView {
    Q_OBJECT
  public:
    explicit GeneratorView(FrmGBF& gbf, QWidget* parent = nullptr);

    void syncFromModel() override;

    // The parts the tests and the tour tool reach.
    KnobWidget* knob(int index) const { return knobs_[static_cast<std::size_t>(index)]; }
    ModelButton* rangeButton(int index) const { return ranges_[static_cast<std::size_t>(index)]; }
    ModelButton* powerButton() const { return power_; }
    DigitalReadout* readout() const { return readout_; }
    TerminalWidget* terminal(int index) const { return terminals_[static_cast<std::size_t>(index)]; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    FrmGBF& gbf_;
    std::vector<KnobWidget*> knobs_;
    std::vector<ModelButton*> ranges_;
    std::vector<TerminalWidget*> terminals_;
    ModelButton* power_ = nullptr;
    DigitalReadout* readout_ = nullptr;
};

} // namespace ondivel
