#pragma once
// The front panel of a harmonic generator (frmHarmoniqueA or frmHarmoniqueB): the generator top it
// shares with the function generator (read-out, power, ranges, frequency knob with its fine
// slider, terminals), the two tabs of ten harmonic columns, the mean value and the ready-made
// spectra.
#include <QTabBar>
#include <vector>

#include "ui/sources/generator_panel_view.h"

namespace ondivel {

class AmplitudeSlider;
class FrmHarmonique;
class KnobWidget;
class LevelBar;
class ModelButton;
class ModelSlider;
class TerminalWidget;

class HarmonicView : public GeneratorPanelView {
    Q_OBJECT
  public:
    explicit HarmonicView(FrmHarmonique& panel, QWidget* parent = nullptr);

    void syncFromModel() override;

    // The parts the tests and the tour tool reach.
    ModelButton* presetButton(int index) const { return presets_[static_cast<std::size_t>(index)]; }
    AmplitudeSlider* amplitudeSlider(int order) const {
        return amplitudes_[static_cast<std::size_t>(order - 1)];
    }
    ModelSlider* phaseSlider(int order) const { return phases_[static_cast<std::size_t>(order - 1)]; }
    LevelBar* amplitudeBar(int order) const { return bars_[static_cast<std::size_t>(order - 1)]; }
    QTabBar* tabs() const { return tabs_; }
    KnobWidget* knob() const { return knob_; }
    TerminalWidget* terminal(int index) const { return terminals_[static_cast<std::size_t>(index)]; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void showTab(int tab);

    FrmHarmonique& panel_;
    // Every widget of harmonic column i, shown only on its tab.
    std::vector<std::vector<QWidget*>> columns_;
    std::vector<AmplitudeSlider*> amplitudes_;
    std::vector<ModelSlider*> phases_;
    std::vector<LevelBar*> bars_;
    std::vector<ModelButton*> presets_;
    std::vector<TerminalWidget*> terminals_;
    QTabBar* tabs_ = nullptr;
    KnobWidget* knob_ = nullptr;
};

} // namespace ondivel
