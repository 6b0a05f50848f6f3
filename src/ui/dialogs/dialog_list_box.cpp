#include "ui/dialogs/dialog_list_box.h"

#include <QEvent>

#include "core/control.h"
#include "core/form.h"
#include "core/form_host.h"

namespace ondivel {

DialogListBox::DialogListBox(Control& c, Touched touched, QWidget* parent)
    : QListWidget(parent), control_(c), touched_(std::move(touched)) {
    setObjectName(QString::fromStdString(c.path()));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!syncing_) selectionChangedByUser();
    });
    // A click on the line already selected changes nothing in Qt but still raises Click.
    connect(this, &QListWidget::clicked, this, [this] {
        if (selectionChanges_ != changesAtPress_) return;
        clickedOn(currentRow());
    });
}

bool DialogListBox::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) changesAtPress_ = selectionChanges_;
    return QListWidget::viewportEvent(event);
}

void DialogListBox::selectionChangedByUser() {
    ++selectionChanges_;
    control_.Selected.assign(control_.List.size(), false);
    for (int i = 0; i < count() && i < static_cast<int>(control_.List.size()); ++i)
        control_.Selected[static_cast<std::size_t>(i)] = item(i)->isSelected();
    clickedOn(currentRow());
}

void DialogListBox::clickedOn(int row) {
    // Not user::select, which would make this line the only one selected.
    if (!control_.Enabled || !control_.Visible) return;
    if (Form* f = control_.owner(); f && f->host().activeForm() != f) f->host().activate(*f);
    control_.setListIndex(row);
    touched_();
}

void DialogListBox::syncFromModel() {
    syncing_ = true;
    bool same = count() == static_cast<int>(control_.List.size());
    for (int i = 0; same && i < count(); ++i)
        same = item(i)->text() == QString::fromStdString(control_.List[static_cast<std::size_t>(i)]);
    if (!same) {
        clear();
        for (const std::string& s : control_.List)
            addItem(QString::fromStdString(s));
    }
    for (int i = 0; i < count(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        const bool selected = at < control_.Selected.size() && control_.Selected[at];
        if (item(i)->isSelected() != selected) item(i)->setSelected(selected);
    }
    const int row = control_.ListIndex;
    if (row >= 0 && row < count() && currentRow() != row) setCurrentRow(row, QItemSelectionModel::NoUpdate);
    syncing_ = false;
    syncCommon(*this, control_);
}

} // namespace ondivel
