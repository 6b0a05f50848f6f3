#pragma once
// The rotary knob of every instrument panel, bound to one knob control of a window model. A drag
// with the left button turns it (vertical travel, Shift ten times finer) and raises MouseDown,
// MouseMove and MouseUp with the new Value set before each; the right button raises the same
// events with button 2 and leaves the knob where it is. Arrows and the wheel turn it one step,
// Page Up/Down ten steps, Home/End to the ends; each is a short drag, so the panels see it alike.
#include <QAbstractSlider>
#include <QPixmap>
#include <cstdint>

#include "ui/widgets/bound_widget.h"

namespace ondivel {

class Control;

class KnobWidget : public QAbstractSlider, public BoundWidget {
    Q_OBJECT
  public:
    explicit KnobWidget(Control& knob, QWidget* parent = nullptr);

    Control& control() const { return knob_; }
    // The value a screen reader says, in the words of the knob's accessible name ("2 V/div",
    // "0,650 kHz"); the bare number for a knob those words do not know.
    QString valueText() const;

    void syncFromModel() override;
    const Control* boundControl() const override { return &knob_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Moves the model to `target` as one complete left-button drag.
    void turnTo(double target);
    void paintFace(QPainter& p, const QRectF& r) const;
    const QPixmap& face();

    Control& knob_;
    std::uint64_t painted_ = 0; // the fingerprint of the last picture asked for
    int dragButton_ = 0;
    double lastY_ = 0;
    // The drag's unrounded position; the model receives it snapped.
    double dragValue_ = 0;
    QPixmap face_;
};

} // namespace ondivel
