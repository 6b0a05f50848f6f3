#pragma once
// The polarity switch of the battery panels: a toggle lever between the two option buttons of the
// model, the lever up on the first (positive terminal), down on the second, each position
// captioned with its option's text. A click on the upper or lower half, Up/Down or Space chooses
// through user::click.
#include <QAbstractButton>
#include <cstdint>

#include "ui/widgets/bound_widget.h"

namespace ondivel {

class Control;

class PolaritySwitch : public QAbstractButton, public BoundWidget {
    Q_OBJECT
  public:
    PolaritySwitch(Control& positive, Control& negative, QWidget* parent = nullptr);
    void syncFromModel() override;
    const Control* boundControl() const override { return options_[0]; }
    // 0 with the lever on the positive option, 1 on the negative one, -1 with neither selected.
    int position() const;
    QSize sizeHint() const override { return {120, 120}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void choose(int index);
    Control* options_[2];
    std::uint64_t painted_ = 0; // the fingerprint of the last picture asked for
};

} // namespace ondivel
