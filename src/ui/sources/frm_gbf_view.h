#pragma once
// The front panel of a function generator (frmGBFA or frmGBFB): the generator top (heading,
// read-out, power, ranges) with the waveform pictogram beside the read-out, the waveform buttons
// with their lamps, the four knobs with their fine sliders, and the two output terminals with
// their colour marks.
#include <vector>

#include "ui/sources/generator_panel_view.h"

namespace ondivel {

class FrmGBF;
class KnobWidget;
class TerminalWidget;

class GeneratorView : public GeneratorPanelView {
    Q_OBJECT
  public:
    explicit GeneratorView(FrmGBF& gbf, QWidget* parent = nullptr);

    void syncFromModel() override;

    // The parts the tests and the tour tool reach.
    KnobWidget* knob(int index) const { return knobs_[static_cast<std::size_t>(index)]; }
    TerminalWidget* terminal(int index) const { return terminals_[static_cast<std::size_t>(index)]; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    FrmGBF& gbf_;
    std::vector<KnobWidget*> knobs_;
    std::vector<TerminalWidget*> terminals_;
};

} // namespace ondivel
