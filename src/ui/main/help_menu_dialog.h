#pragma once
// The common part of the small windows of the Help menu (the tip of the day, the About box):
// native labels, buttons and check boxes bound to the model's controls.
#include <functional>
#include <vector>

#include "ui/views/form_view.h"

class QAbstractButton;
class QLabel;

namespace ondivel {

class Control;

class HelpMenuDialog : public FormView {
    Q_OBJECT
  public:
    using FormView::FormView;
    void syncFromModel() override;

  protected:
    QLabel* bindLabel(Control& c);
    QAbstractButton* bindButton(Control& c);
    QAbstractButton* bindCheckBox(Control& c);

  private:
    std::vector<std::function<void()>> syncs_;
};

} // namespace ondivel
