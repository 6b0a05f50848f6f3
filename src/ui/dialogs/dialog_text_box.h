#pragma once
// A text box: each typed character goes through the model's KeyPress first, which may refuse
// it (key 0) or change it; the text then goes to the model (Change). Entering the box raises
// GotFocus and selects its text; leaving it raises LostFocus.
#include <QLineEdit>

#include "ui/dialogs/touched.h"
#include "ui/widgets/bound_widget.h"

namespace ondivel {

class Control;

// Text boxes with a PasswordChar hide what is typed (the desktop's own echo character).
bool isPasswordBox(const Control& c);

class DialogTextBox : public QLineEdit, public BoundWidget {
    Q_OBJECT
  public:
    DialogTextBox(Control& c, Touched touched, QWidget* parent);
    void syncFromModel() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void pushText();

    Control& control_;
    Touched touched_;
};

} // namespace ondivel
