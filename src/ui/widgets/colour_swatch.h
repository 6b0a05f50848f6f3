#pragma once
// A colour sample that the user can click or reach with the keyboard: the options window's
// screen colours (a click selects the colour to change) and its interface background sample (a
// double click, or Delete, resets it). It paints a colour and says which in its accessible text.
#include <QAbstractButton>

#include "core/color.h"

namespace ondivel {

class ColourSwatch : public QAbstractButton {
    Q_OBJECT
  public:
    explicit ColourSwatch(const QString& accessibleName, QWidget* parent = nullptr);

    void setColour(Color c);
    Color colour() const { return colour_; }
    QSize sizeHint() const override { return {44, 20}; }

  signals:
    // A double click, or Delete / Backspace with the focus on the sample.
    void resetRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Color colour_ = kWhite;
};

} // namespace ondivel
