#pragma once
// The TRUE RMS multimeter (frmMulti_RMS): a grey liquid-crystal display with its indicators and
// bargraph, the MIN/MAX, RANGE and AC/DC keys, the eight-position rotary selector, the channel
// buttons and the four terminals with their plugs.
#include <cstdint>
#include <vector>

#include "ui/views/form_view.h"
#include "ui/widgets/panel_layout.h"

namespace ondivel {

class BoundWidget;
class FrmMultiRMS;

class TrmsView : public FormView {
    Q_OBJECT
  public:
    explicit TrmsView(FrmMultiRMS& meter, QWidget* parent = nullptr);

    void syncFromModel() override;
    QSize designSize() const override;

    // The parts the tests and the tour tool reach.
    QWidget* display() const { return display_; }
    QWidget* selector() const { return selector_; }
    QWidget* key(int index) const { return keys_[index]; }
    QWidget* terminal(int index) const { return terminals_[index]; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    FrmMultiRMS& meter_;
    std::uint64_t painted_ = 0; // the fingerprint of the last picture asked for
    PanelLayout layout_;
    std::vector<BoundWidget*> bound_;
    QWidget* display_ = nullptr;
    QWidget* selector_ = nullptr;
    QWidget* keys_[3] = {};
    QWidget* terminals_[4] = {};
};

// Registers the view maker of "frmMulti_RMS".
void registerTrmsView();

} // namespace ondivel
