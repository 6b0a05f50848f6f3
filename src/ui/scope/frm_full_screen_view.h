#pragma once
// The view of frmFullScreen: the oscilloscope screen alone, over the whole work area, for
// projection, its texts and pens magnified with its height as the model says. The view manager
// shows it frameless and modal, without the panels' zoom; a click on it closes it (the model
// decides).
#include "ui/views/form_view.h"

namespace ondivel {

class ScreenWidget;

class FullScreenView : public FormView {
    Q_OBJECT
  public:
    explicit FullScreenView(Form& form, QWidget* parent = nullptr);

    void syncFromModel() override;
    QSize designSize() const override;
    ScreenWidget* screen() const { return screen_; }

  private:
    ScreenWidget* screen_;
};

} // namespace ondivel
