#pragma once
// The view of a window model that has no dedicated one: every control laid out plainly in a grid
// (buttons, boxes, lists, sliders, lamps, labels), the screen picture when the model has one.
// Used by the view factory as its fallback.
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/views/form_view.h"

namespace ondivel {

class Control;
class ScreenWidget;

class GenericView : public FormView {
    Q_OBJECT
  public:
    explicit GenericView(Form& form, QWidget* parent = nullptr);

    void syncFromModel() override;
    QSize designSize() const override;
    ScreenWidget* screen() const { return screen_; }

  private:
    QWidget* makeEditor(Control& c);

    struct Binding {
        Control* control;
        QWidget* widget;
        QWidget* caption; // the name shown beside it, hidden with it
        std::function<void()> sync;
    };
    std::vector<Binding> bindings_;
    ScreenWidget* screen_ = nullptr;
};

} // namespace ondivel
