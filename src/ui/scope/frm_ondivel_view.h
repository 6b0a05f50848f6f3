#pragma once
// The front panel of the dual-trace oscilloscope (frmOndivel): the screen in its bezel on the
// left; to the right the vertical section (sensitivity and position knobs, scale displays and
// couplings of CH1 and CH2) and the channel modes; below, the power switch, intensity and focus,
// the horizontal section (time base, position, sweep pause, free run) and the input terminals.
#include <QWidget>
#include <vector>

#include "ui/views/panel_view.h"
#include "ui/widgets/bound_widget.h"

namespace ondivel {

class FrmOndivel;
class KnobWidget;
class LampWidget;
class ModelButton;
class ScreenKeyboard;
class ScreenWidget;
class TerminalWidget;

// The read-only window under a scale knob showing the selected entry of a scale list
// ("1 ms/div", "2 V/div"); the panel's lists are never edited by hand.
class ScaleDisplay : public QWidget, public BoundWidget {
    Q_OBJECT
  public:
    ScaleDisplay(Control& list, QWidget* parent = nullptr);
    void syncFromModel() override;
    const Control* boundControl() const override { return &list_; }
    QString shownText() const { return shown_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Control& list_;
    QString shown_;
};

class OscilloscopeView : public PanelView {
    Q_OBJECT
  public:
    explicit OscilloscopeView(FrmOndivel& scope, QWidget* parent = nullptr);

    void syncFromModel() override;

    // The parts the tests and the tour tool reach.
    ScreenWidget* screen() const { return screen_; }
    KnobWidget* knob(int index) const { return knobs_[static_cast<std::size_t>(index)]; }
    ModelButton* powerButton() const { return power_; }
    ModelButton* modeButton(int index) const { return modeButtons_[static_cast<std::size_t>(index)]; }
    ModelButton* couplingButton(int channel) const {
        return couplingButtons_[static_cast<std::size_t>(channel)];
    }
    LampWidget* modeLamp(int index) const { return modeLamps_[static_cast<std::size_t>(index)]; }
    TerminalWidget* terminal(int index) const { return terminals_[static_cast<std::size_t>(index)]; }
    // 0 time base, 1 CH1 sensitivity, 2 CH2 sensitivity.
    ScaleDisplay* scaleDisplay(int index) const { return scales_[static_cast<std::size_t>(index)]; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void addVerticalChannel(int channel);
    void addHorizontalSection();
    void addModeSection();
    void addLowerControls();
    void paintFrame(QPainter& p, const QRectF& r, const QString& caption) const;

    FrmOndivel& scope_;
    std::vector<KnobWidget*> knobs_;
    std::vector<ModelButton*> modeButtons_;
    std::vector<ModelButton*> couplingButtons_;
    std::vector<LampWidget*> modeLamps_;
    std::vector<TerminalWidget*> terminals_;
    std::vector<ScaleDisplay*> scales_;
    std::vector<QWidget*> largerText_;
    ScreenWidget* screen_ = nullptr;
    ScreenKeyboard* screenKeys_ = nullptr;
    ModelButton* power_ = nullptr;
};

} // namespace ondivel
