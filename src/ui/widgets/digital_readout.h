#pragma once
// The seven-segment frequency read-out of the generators, bound to a label control: lit red
// segments over the dim ghosts of unlit ones, the decimal comma drawn as the point of the digit
// before it. Shows the label's Caption; blank (ghosts only) while the label is hidden, as a
// display whose instrument is off.
#include <QWidget>

#include "ui/widgets/bound_widget.h"

namespace ondivel {

class Control;

class DigitalReadout : public QWidget, public BoundWidget {
    Q_OBJECT
  public:
    explicit DigitalReadout(Control& label, int digits = 5, QWidget* parent = nullptr);
    void syncFromModel() override;
    const Control* boundControl() const override { return &label_; }
    // What the display shows, as text ("" when dark).
    QString shownText() const { return shown_; }
    QSize sizeHint() const override { return {110, 40}; }

    // Segments a..g (bit 0 = a, top; then clockwise b, c, d, e, f; bit 6 = g, middle) of a
    // character; 0 for characters it cannot show.
    static int segmentsOf(QChar ch);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Control& label_;
    int digits_;
    QString shown_;
};

} // namespace ondivel
