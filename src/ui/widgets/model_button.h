#pragma once
// A button of a window model: command button, option button or check box, painted as a panel
// push button that stays pressed in while its option or check box is set. It may carry a
// pictogram instead of, or above, its caption. A click (mouse, Space, Enter) goes to user::click.
// SwitchButton is the large power push button of the instruments, captioned "On" / "Off".
#include <QAbstractButton>
#include <cstdint>
#include <functional>

#include "ui/widgets/bound_widget.h"

namespace ondivel {

class Control;

class ModelButton : public QAbstractButton, public BoundWidget {
    Q_OBJECT
  public:
    // Draws a pictogram in the given rectangle with the given ink.
    using Pictogram = std::function<void(QPainter&, const QRectF&, const QColor&)>;

    explicit ModelButton(Control& control, QWidget* parent = nullptr);

    Control& control() const { return control_; }
    void setPictogram(Pictogram p);
    // Shows the caption under the pictogram (default: the pictogram alone when there is one).
    void setCaptionShown(bool shown);
    // Pressed in: a selected option button or a ticked check box.
    bool pressedIn() const;

    void syncFromModel() override;
    const Control* boundControl() const override { return &control_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintFace(QPainter& p, const QRectF& r, bool sunk) const;

  private:
    Control& control_;
    std::uint64_t painted_ = 0; // the fingerprint of the last picture asked for
    Pictogram pictogram_;
    bool captionShown_ = false;
};

class SwitchButton : public ModelButton {
    Q_OBJECT
  public:
    explicit SwitchButton(Control& checkBox, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ondivel
