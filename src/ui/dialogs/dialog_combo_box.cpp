#include "ui/dialogs/dialog_combo_box.h"

#include <QSignalBlocker>
#include <QStringList>

#include "core/control.h"
#include "core/user_input.h"

namespace ondivel {

DialogComboBox::DialogComboBox(Control& c, Touched touched, QWidget* parent)
    : QComboBox(parent), control_(c) {
    setObjectName(QString::fromStdString(c.path()));
    connect(this, &QComboBox::activated, this, [this, touched](int index) {
        user::select(control_, index);
        touched();
    });
}

void DialogComboBox::syncFromModel() {
    const QSignalBlocker block(this);
    QStringList items;
    for (const std::string& s : control_.List)
        items << QString::fromStdString(s);
    bool same = count() == items.size();
    for (int i = 0; same && i < count(); ++i)
        same = itemText(i) == items.at(i);
    if (!same) {
        clear();
        addItems(items);
    }
    if (currentIndex() != control_.ListIndex) setCurrentIndex(control_.ListIndex);
    syncCommon(*this, control_);
}

} // namespace ondivel
