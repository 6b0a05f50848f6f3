#pragma once
// A banana terminal inside a coloured ring, with its cable plug drawn in while the plug control
// is visible. A click reaches the plug when it is in place, else the terminal, as the classic
// panels layered them; the window models toggle the plug. Tab reaches it, and Space or Enter
// plugs or unplugs as the click does.
#include <QWidget>
#include <cstdint>

#include "ui/widgets/bound_widget.h"

namespace ondivel {

class Control;

class TerminalWidget : public QWidget, public BoundWidget {
    Q_OBJECT
  public:
    // `mark` (optional) is the shape whose FillColor colours the ring; `plugColor` the plug body.
    TerminalWidget(Control& terminal, Control& plug, Control* mark, QColor plugColor,
                   QWidget* parent = nullptr);
    void syncFromModel() override;
    const Control* boundControl() const override { return &terminal_; }
    bool plugged() const;
    QSize sizeHint() const override { return {36, 48}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void plugOrUnplug();

    Control& terminal_;
    Control& plug_;
    Control* mark_;
    std::uint64_t painted_ = 0; // the fingerprint of the last picture asked for
    QColor plugColor_;
};

} // namespace ondivel
