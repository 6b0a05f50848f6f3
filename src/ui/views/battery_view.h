#pragma once
// The battery panel (frmPileA or frmPileB): the battery of the chosen voltage drawn as the real
// thing, with its + and − marked, beside the polarity switch that says which terminal goes to
// the channel.
#include <cstdint>
#include <vector>

#include "ui/views/form_view.h"
#include "ui/widgets/panel_layout.h"

namespace ondivel {

class BoundWidget;
class FrmPile;
class PolaritySwitch;

class BatteryView : public FormView {
    Q_OBJECT
  public:
    explicit BatteryView(FrmPile& pile, QWidget* parent = nullptr);

    void syncFromModel() override;
    // The window's client area: the model's size less its 510-twip frame and title bar.
    QSize designSize() const override;

    PolaritySwitch* polaritySwitch() const { return switch_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    FrmPile& pile_;
    std::uint64_t painted_ = 0; // the fingerprint of the last picture asked for
    PanelLayout layout_;
    std::vector<BoundWidget*> bound_;
    PolaritySwitch* switch_ = nullptr;
};

} // namespace ondivel
