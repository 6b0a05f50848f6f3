#include "ui/evaluation/frm_tableau_view.h"

#include <QHeaderView>
#include <QListWidget>

#include "bench/evaluation/class_table.h"
#include "bench/evaluation/frm_tableau.h"
#include "core/form_host.h"
#include "core/user_input.h"
#include "ui/dialogs/dialog_table.h"

namespace ondivel {

namespace {

const QColor kWrongInk(170, 0, 0);
const QColor kRightInk(0, 110, 0);

// Marks and numbers in the middle of their columns, texts on the left.
void alignAndInk(DialogTable& table, int firstCentred) {
    for (int i = 0; i < table.topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = table.topLevelItem(i);
        for (int k = firstCentred; k < table.columnCount(); ++k) {
            const QString text = item->text(k);
            if (item->textAlignment(k) != Qt::AlignCenter) item->setTextAlignment(k, Qt::AlignCenter);
            const QColor ink = text.contains(QString::fromUtf8(mark::kWrong))   ? kWrongInk
                               : text.contains(QString::fromUtf8(mark::kRight)) ? kRightInk
                                                                                : QColor();
            if (ink.isValid() && item->foreground(k).color() != ink) item->setForeground(k, ink);
        }
    }
}

} // namespace

TableauView::TableauView(FrmTableau& form, QWidget* parent)
    : DialogView(form, parent), model_(form), table_(qobject_cast<DialogTable*>(widgetOf(form.lstTableau))),
      shares_(qobject_cast<DialogTable*>(widgetOf(form.lstReussite))) {
    if (table_) {
        table_->header()->setSectionsClickable(true);
        table_->header()->setSortIndicatorShown(true);
        connect(table_->header(), &QHeaderView::sectionClicked, this, &TableauView::headerClicked);
    }
    // An explanation is a sentence or two: wrapped to the list's width, it reads without scrolling
    // sideways.
    if (auto* explanations = qobject_cast<QListWidget*>(widgetOf(form.lstExplications))) {
        explanations->setWordWrap(true);
        explanations->setResizeMode(QListView::Adjust);
        explanations->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    syncFromModel();
}

void TableauView::headerClicked(int column) {
    if (column == model_.cboTri.ListIndex) {
        user::click(model_.chkDecroissant);
    } else {
        // A new column starts in the usual order.
        if (model_.chkDecroissant.Value == kChecked) user::click(model_.chkDecroissant);
        user::select(model_.cboTri, column);
    }
    form().host().requestRepaint();
    syncFromModel();
}

void TableauView::syncFromModel() {
    DialogView::syncFromModel();
    if (table_) {
        const Qt::SortOrder order =
            model_.chkDecroissant.Value == kChecked ? Qt::DescendingOrder : Qt::AscendingOrder;
        QHeaderView* header = table_->header();
        if (header->sortIndicatorSection() != model_.cboTri.ListIndex ||
            header->sortIndicatorOrder() != order)
            header->setSortIndicator(model_.cboTri.ListIndex, order);
        // The mark column and the oscillograms.
        alignAndInk(*table_, kFixedColumns - 2);
    }
    if (shares_) alignAndInk(*shares_, 0);
}

} // namespace ondivel
