#pragma once
// The class table window: the dialog of its controls, whose table sorts by the column whose
// title is clicked (again: the other way), shows the sort on its header, centres the marks and
// inks the wrong ones.
#include "ui/dialogs/dialog_view.h"

namespace ondivel {

class DialogTable;
class FrmTableau;

class TableauView : public DialogView {
    Q_OBJECT
  public:
    explicit TableauView(FrmTableau& form, QWidget* parent = nullptr);
    void syncFromModel() override;

  private:
    void headerClicked(int column);

    FrmTableau& model_;
    DialogTable* table_;
    DialogTable* shares_;
};

} // namespace ondivel
