#include "ui/dialogs/dialog_check_box.h"

#include <QSignalBlocker>

#include "core/control.h"
#include "core/user_input.h"

namespace ondivel {

DialogCheckBox::DialogCheckBox(Control& c, Touched touched, QWidget* parent)
    : QCheckBox(parent), control_(c) {
    setObjectName(QString::fromStdString(c.path()));
    connect(this, &QCheckBox::clicked, this, [this, touched] {
        user::click(control_);
        touched();
    });
}

void DialogCheckBox::syncFromModel() {
    const QSignalBlocker block(this);
    const QString caption = modelText(control_.Caption);
    if (text() != caption) setText(caption);
    setChecked(control_.Value == kChecked);
    syncCommon(*this, control_);
}

} // namespace ondivel
