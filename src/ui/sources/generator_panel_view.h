#pragma once
// The part of the generator panels' views that the function generator and the harmonic
// generator share: the white heading, the frequency read-out with its unit, the power switch
// and lamp, and the six range buttons with their lamps, all at the same places.
#include <QString>
#include <vector>

#include "ui/views/panel_view.h"

namespace ondivel {

class DigitalReadout;
class GeneratorPanel;
class ModelButton;

class GeneratorPanelView : public PanelView {
    Q_OBJECT
  public:
    // The parts the tests and the tour tool reach.
    ModelButton* powerButton() const { return power_; }
    ModelButton* rangeButton(int index) const { return ranges_[static_cast<std::size_t>(index)]; }
    DigitalReadout* readout() const { return readout_; }

  protected:
    GeneratorPanelView(GeneratorPanel& panel, QWidget* parent);

    // The generator's top, in the order the panel's own widgets come after it.
    void addGeneratorTop();
    // The range frame, engraved.
    static constexpr QRectF kRangeFrame{6, 74, 263, 60};

  private:
    GeneratorPanel& panel_;
    std::vector<ModelButton*> ranges_;
    ModelButton* power_ = nullptr;
    DigitalReadout* readout_ = nullptr;
};

} // namespace ondivel
