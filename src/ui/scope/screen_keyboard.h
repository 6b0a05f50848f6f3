#pragma once
// The front panel's screen as the keyboard's last stop: it takes the focus by Tab, hands its keys
// to the headless rules (bench/scope/screen_keys.h) and draws the keyboard's pointer where the
// model puts it, a cross in the focus ring's two colours, which shows on any screen colour. A
// child of the screen widget no larger than the cross, so that the screen paints as before.
#include <QWidget>

namespace ondivel {

class FrmOndivel;
class ScreenWidget;

class ScreenKeyboard : public QWidget {
    Q_OBJECT
  public:
    ScreenKeyboard(ScreenWidget& screen, FrmOndivel& scope);
    // Places or hides the cross, and gives the screen the words a screen reader says of it.
    void syncFromModel();

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ScreenWidget& screen_;
    FrmOndivel& scope_;
};

} // namespace ondivel
