#pragma once
// Round indicator lamps. LampWidget shows a shape control's FillColor: a green glow when lit
// (65280), frosted glass when white, any other colour as a coloured mark (the terminal marks
// painted with the trace colours). PowerLampWidget is an instrument's power lamp, lit while its
// image control shows the "on" picture.
#include <QWidget>
#include <cstdint>

#include "ui/widgets/bound_widget.h"

namespace ondivel {

class Control;

class LampWidget : public QWidget, public BoundWidget {
    Q_OBJECT
  public:
    explicit LampWidget(Control& shape, QWidget* parent = nullptr);
    void syncFromModel() override;
    const Control* boundControl() const override { return &shape_; }
    QSize sizeHint() const override { return {14, 14}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Control& shape_;
    std::uint64_t painted_ = 0; // the fingerprint of the last picture asked for
};

class PowerLampWidget : public QWidget, public BoundWidget {
    Q_OBJECT
  public:
    // `litPicture` is the picture number the model shows while the instrument is on.
    PowerLampWidget(Control& image, int litPicture, QWidget* parent = nullptr);
    void syncFromModel() override;
    const Control* boundControl() const override { return &image_; }
    bool lit() const;
    QSize sizeHint() const override { return {18, 18}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Control& image_;
    std::uint64_t painted_ = 0; // the fingerprint of the last picture asked for
    int litPicture_;
};

// Paints a round lamp of `color` in `r`, glowing when `glow`; shared with the views' own marks.
void paintLamp(QPainter& p, const QRectF& r, const QColor& color, bool glow);

} // namespace ondivel
