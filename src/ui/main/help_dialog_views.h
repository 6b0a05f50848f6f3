#pragma once
// The small windows of the Help menu: the tip of the day (a light bulb beside the tip, the next
// tip, the start-up check box) and the About box (the program's icon, name, version, licence,
// purpose and web site, the web and system information buttons).
#include <functional>
#include <vector>

#include "ui/views/form_view.h"

class QAbstractButton;
class QLabel;

namespace ondivel {

class Control;
class FrmAbout;
class FrmTip;

// The common part of the two: native labels, buttons and check boxes bound to the model's controls.
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

class TipView : public HelpMenuDialog {
    Q_OBJECT
  public:
    explicit TipView(FrmTip& tip, QWidget* parent = nullptr);
    QSize designSize() const override { return {460, 240}; }
};

class AboutView : public HelpMenuDialog {
    Q_OBJECT
  public:
    explicit AboutView(FrmAbout& about, QWidget* parent = nullptr);
    QSize designSize() const override { return {440, 260}; }
};

void registerDialogViews();

} // namespace ondivel
