#include "ui/dialogs/dialog_option.h"

#include <QButtonGroup>
#include <QSignalBlocker>

#include "core/control.h"
#include "core/user_input.h"

namespace ondivel {

DialogOption::DialogOption(Control& c, QButtonGroup* group, Touched touched, QWidget* parent)
    : QRadioButton(parent), control_(c), group_(group) {
    setObjectName(QString::fromStdString(c.path()));
    group_->addButton(this);
    connect(this, &QRadioButton::clicked, this, [this, touched] {
        user::click(control_);
        touched();
    });
}

void DialogOption::syncFromModel() {
    const QString caption = modelText(control_.Caption);
    if (text() != caption) setText(caption);
    const bool on = control_.Value != 0;
    if (isChecked() != on) {
        // An exclusive group refuses to clear its last button; the model may clear them all.
        const QSignalBlocker block(this);
        group_->setExclusive(false);
        setChecked(on);
        group_->setExclusive(true);
    }
    syncCommon(*this, control_);
}

} // namespace ondivel
