#pragma once
// A list box drawn as a table: the control's Caption holds the column titles and each item the
// cells of one line, separated by tabs. One line is selected at a time; choosing a line with the
// mouse or the arrows sets ListIndex and raises Click, as a list box does. The columns take the
// width of their texts; sorting is the model's (a view may connect the header's clicks to it).
#include <QTreeWidget>

#include "ui/dialogs/touched.h"
#include "ui/widgets/bound_widget.h"

namespace ondivel {

class Control;

class DialogTable : public QTreeWidget, public BoundWidget {
    Q_OBJECT
  public:
    DialogTable(Control& c, Touched touched, QWidget* parent);
    void syncFromModel() override;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void chosen(int row);
    void fitColumns();

    Control& control_;
    Touched touched_;
    bool syncing_ = false;
};

} // namespace ondivel
