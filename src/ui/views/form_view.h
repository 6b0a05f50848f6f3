#pragma once
// The view of one window model: paints the model's controls and turns Qt events into the model's
// handlers (through core/user_input.h). A view keeps no state of the simulation: after every
// handler the view manager calls syncFromModel() on every open view.
#include <QWidget>

namespace ondivel {

class Form;

class FormView : public QWidget {
    Q_OBJECT
  public:
    explicit FormView(Form& form, QWidget* parent = nullptr) : QWidget(parent), form_(form) {}
    Form& form() const { return form_; }

    // Reads every control of the model again (captions, values, lamps, visibility …).
    virtual void syncFromModel() = 0;
    // The size the view wants at zoom 1, in device-independent pixels.
    virtual QSize designSize() const = 0;
    // The F1 topic is handled by the model's Form_KeyDown; views forward key presses to it.

  private:
    Form& form_;
};

} // namespace ondivel
