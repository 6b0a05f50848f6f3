#pragma once
// The ring round the control that has the keyboard focus, one per panel: a frameless overlay
// that follows the focus (QApplication::focusChanged) instead of each widget painting its own.
// Two bands, dark outside and light inside, so that one of them stands out at least 3:1 on a
// light face and on a dark one alike. It shows for a focus the keyboard gave, not for a click.
#include <QColor>
#include <QPointer>
#include <QWidget>

namespace ondivel {

class FocusRing : public QWidget {
    Q_OBJECT
  public:
    // The ring's two bands, each kBand pixels wide at any zoom.
    static constexpr int kBand = 2;
    static QColor outerColor() { return {0, 38, 120}; }
    static QColor innerColor() { return {255, 214, 0}; }

    // The program moves the focus for the keyboard (F6, a scenario's Tab): the ring shows; with
    // false, the next focus needs a key press for its ring.
    static void keyboardMovesFocus(bool keyboard = true);
    // Whether the last input was the keyboard's (a key press, or the program's keyboard request)
    // rather than a click.
    static bool keyboardInUse();

    // Lives on `panel`, over its other widgets.
    explicit FocusRing(QWidget& panel);
    // The widget ringed now, null while the ring is hidden.
    QWidget* target() const { return target_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void follow(QWidget* now);
    void place();

    QWidget& panel_;
    QPointer<QWidget> target_;
    bool round_ = false;
};

} // namespace ondivel
