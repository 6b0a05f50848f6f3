#pragma once
// The harmonic generator's own parts: the vertical amplitude slider (top = 100 %), the level bar
// painted from a progress-bar control, and a label that shows its control's caption with a unit.
#include <QLabel>
#include <QSlider>
#include <QWidget>
#include <cstdint>

#include "ui/widgets/bound_widget.h"

namespace ondivel {

class Control;

// A vertical slider whose model runs from Min (top, the largest amplitude) up to Max = 0; a user
// move goes to user::slide (Scroll then Change).
class AmplitudeSlider : public QSlider, public BoundWidget {
    Q_OBJECT
  public:
    explicit AmplitudeSlider(Control& slider, QWidget* parent = nullptr);
    void syncFromModel() override;
    const Control* boundControl() const override { return &slider_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Control& slider_;
    bool syncing_ = false;
};

// A lit bar filled from Min to Value of a progress-bar control, vertical or horizontal.
class LevelBar : public QWidget, public BoundWidget {
    Q_OBJECT
  public:
    LevelBar(Control& bar, Qt::Orientation orientation, QWidget* parent = nullptr);
    void syncFromModel() override;
    // The filled share, 0 to 1.
    double fill() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Control& bar_;
    std::uint64_t painted_ = 0; // the fingerprint of the last picture asked for
    Qt::Orientation orientation_;
};

// A label showing its control's caption followed by a unit ("33,3 %", "1 V").
class UnitLabel : public QLabel, public BoundWidget {
    Q_OBJECT
  public:
    UnitLabel(Control& label, QString unit, QWidget* parent = nullptr);
    void syncFromModel() override;

  private:
    Control& label_;
    QString unit_;
};

} // namespace ondivel
