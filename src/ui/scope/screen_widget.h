#pragma once
// The oscilloscope screen of a window model (the front panel's or the full-screen view's): shows
// the picture of its picEcran, keeps that picture as large as the widget in device pixels, draws
// the cursor read-out over it (with the same place in volts under it, in free mode), and forwards mouse
// moves, clicks and double-clicks to the model. The read-out goes when the pointer leaves the screen, and the
// screen's tooltip keeps clear of it. Panel views embed it; it decides nothing itself.
#include <QWidget>

#include "ui/platform/tooltip_filter.h"

class QPainter;

namespace ondivel {

class Control;
class BenchForm;

class ScreenWidget : public QWidget, public ToolTipKeepOut {
    Q_OBJECT
  public:
    explicit ScreenWidget(BenchForm& form, QWidget* parent = nullptr);

    // Repaints when the picture, the read-out or the pointer changed since the last paint.
    void syncFromModel();
    // Pens and fonts grow with the zoom of the panels, as they grow with the screen's pixel ratio.
    void setZoom(double zoom);
    // The least pixel size of the cursor read-out's text (the full-screen view's grows with it).
    void setReadoutPixels(int pixels) { readoutPixels_ = pixels; }

    // The screen's user coordinates (x −500…505, y 400…−405) of a point of the widget.
    QPointF toUser(QPointF widgetPoint) const;
    QPointF toWidget(QPointF userPoint) const;
    QSize sizeHint() const override { return {500, 400}; }
    // The read-out's box, and the volts' under it, while they show.
    QRect toolTipKeepOut() const override;

    // A custom cross-hair stands for the model's pointer 99.
    static QCursor crossHairCursor();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    // The read-out as painted: its lines, its font and its box in the widget.
    struct Readout {
        QStringList lines;
        QFont font;
        QRectF box;
        QPointF inset{3, 2}; // the first line's place in the box
    };
    Readout readoutLayout() const;
    // The volts' lines in the read-out's font, against the read-out's box: under it, or over it
    // when the model put them there (the read-out went above the pointer).
    Readout voltsLayout(const Readout& readout) const;
    bool voltsShown() const;
    QString modelReadoutKey() const;
    void paintBox(QPainter& p, const Readout& r);
    // Resizes the screen and graticule pictures to the widget and has the model redraw them.
    void fitPictures();
    void paintReadout(QPainter& p);
    void updateCursor();
    int modelPointer() const;

    BenchForm& form_;
    Control* screen_;
    Control* readout_;
    Control* volts_;
    double zoom_ = 1.0;
    int readoutPixels_ = 11;
    quint64 paintedGeneration_ = 0;
    QString paintedReadout_;
    int shownPointer_ = -1;
    bool ignoreNextRelease_ = false;
    int draggedCursor_ = -1; // the measurement cursor held by the mouse, -1 for none
};

} // namespace ondivel
