#include "ui/dialogs/dialog_table.h"

#include <QEvent>
#include <QHeaderView>

#include "core/control.h"
#include "core/form.h"
#include "core/form_host.h"

namespace ondivel {

namespace {

QStringList cellsOf(const std::string& line) {
    return QString::fromStdString(line).split(QLatin1Char('\t'));
}

QStringList rowTexts(const QTreeWidgetItem& item, int columns) {
    QStringList texts;
    for (int i = 0; i < columns; ++i)
        texts << item.text(i);
    return texts;
}

// A line with fewer cells than columns leaves the last ones empty.
QStringList padded(QStringList cells, int columns) {
    while (cells.size() < columns)
        cells << QString();
    return cells.mid(0, columns);
}

} // namespace

DialogTable::DialogTable(Control& c, Touched touched, QWidget* parent)
    : QTreeWidget(parent), control_(c), touched_(std::move(touched)) {
    setObjectName(QString::fromStdString(c.path()));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAlternatingRowColors(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!syncing_ && item) chosen(indexOfTopLevelItem(item));
    });
}

void DialogTable::chosen(int row) {
    if (!control_.Enabled || !control_.Visible || row == control_.ListIndex) return;
    if (Form* f = control_.owner(); f && f->host().activeForm() != f) f->host().activate(*f);
    control_.Selected.assign(control_.List.size(), false);
    if (row >= 0 && static_cast<std::size_t>(row) < control_.Selected.size())
        control_.Selected[static_cast<std::size_t>(row)] = true;
    control_.setListIndex(row);
    touched_();
}

void DialogTable::fitColumns() {
    // Each column as wide as its widest text, the title included.
    for (int i = 0; i < columnCount(); ++i)
        resizeColumnToContents(i);
}

void DialogTable::changeEvent(QEvent* event) {
    QTreeWidget::changeEvent(event);
    // The dialog sets its font at the zoom after the texts are in.
    if (event->type() == QEvent::FontChange) fitColumns();
}

void DialogTable::syncFromModel() {
    syncing_ = true;
    const QStringList titles = cellsOf(control_.Caption);
    bool resize = false;
    if (rowTexts(*headerItem(), columnCount()) != titles) {
        setColumnCount(static_cast<int>(titles.size()));
        setHeaderLabels(titles);
        resize = true;
    }
    bool same = topLevelItemCount() == static_cast<int>(control_.List.size());
    for (int i = 0; same && i < topLevelItemCount(); ++i)
        same = rowTexts(*topLevelItem(i), columnCount()) ==
               padded(cellsOf(control_.List[static_cast<std::size_t>(i)]), columnCount());
    if (!same) {
        clear();
        QList<QTreeWidgetItem*> items;
        for (const std::string& line : control_.List)
            items.append(new QTreeWidgetItem(cellsOf(line)));
        addTopLevelItems(items);
        // A remark of one cell runs across the table.
        for (int i = 0; i < topLevelItemCount(); ++i)
            if (control_.List[static_cast<std::size_t>(i)].find('\t') == std::string::npos &&
                columnCount() > 1)
                setFirstColumnSpanned(i, QModelIndex(), true);
        resize = true;
    }
    if (resize) fitColumns();
    const int row = control_.ListIndex;
    QTreeWidgetItem* current = row >= 0 && row < topLevelItemCount() ? topLevelItem(row) : nullptr;
    if (currentItem() != current) {
        if (current)
            setCurrentItem(current);
        else
            clearSelection();
    }
    syncing_ = false;
    syncCommon(*this, control_);
}

} // namespace ondivel
