#pragma once
// The stopwatch (frmChrono) as a round instrument: a chromed bezel around a coloured dial with a
// liquid-crystal read-out, the start/stop and reset keys, the alarm key with its interval slider,
// and the close key. Inside a frameless sub-window it clips the window to the dial and lets the
// dial drag the window; elsewhere it simply paints the round face.
#include <QPoint>

#include "ui/views/panel_view.h"

namespace ondivel {

class FrmChrono;

class ChronoView : public PanelView {
    Q_OBJECT
  public:
    explicit ChronoView(FrmChrono& chrono, QWidget* parent = nullptr);

    void syncFromModel() override;
    // A frameless sub-window takes its size from here: the dial, not an empty box.
    QSize sizeHint() const override { return designSize(); }
    // The dial's colour now: the title colour of the desktop, red while the alarm rings.
    QColor dialColor() const;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void shapeWindow();
    void shapeWindowLater();
    QRectF designRect(const QRectF& r) const;

    FrmChrono& chrono_;
    QPoint dragOffset_;
    bool dragging_ = false;
};

} // namespace ondivel
