#pragma once
// A list box: several lines may be selected (Ctrl and Shift with the mouse), the model's
// Selected follows the selection, ListIndex the current line, and each click raises Click.
#include <QListWidget>

#include "ui/dialogs/touched.h"
#include "ui/widgets/bound_widget.h"

namespace ondivel {

class Control;

class DialogListBox : public QListWidget, public BoundWidget {
    Q_OBJECT
  public:
    DialogListBox(Control& c, Touched touched, QWidget* parent);
    void syncFromModel() override;

  protected:
    bool viewportEvent(QEvent* event) override;

  private:
    void selectionChangedByUser();
    void clickedOn(int row);

    Control& control_;
    Touched touched_;
    bool syncing_ = false;
    int selectionChanges_ = 0;
    int changesAtPress_ = 0;
};

} // namespace ondivel
