#include "ui/main/help_menu_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "core/control.h"
#include "core/form.h"
#include "core/user_input.h"
#include "ui/views/accessible_names.h"
#include "ui/widgets/bound_widget.h"

namespace ondivel {

namespace {

QString qs(const std::string& text) {
    return modelText(text);
}

} // namespace

void HelpMenuDialog::syncFromModel() {
    setWindowTitle(qs(form().Caption));
    for (const auto& sync : syncs_)
        sync();
}

QLabel* HelpMenuDialog::bindLabel(Control& c) {
    auto* label = new QLabel(this);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    syncs_.push_back([label, &c] {
        label->setText(qs(c.Caption));
        syncCommon(*label, c);
        applyAccessibleText(*label, c);
    });
    return label;
}

QAbstractButton* HelpMenuDialog::bindButton(Control& c) {
    auto* button = new QPushButton(this);
    connect(button, &QPushButton::clicked, this, [&c] { user::click(c); });
    syncs_.push_back([button, &c] {
        button->setText(qs(c.Caption));
        syncCommon(*button, c);
        applyAccessibleText(*button, c);
    });
    return button;
}

QAbstractButton* HelpMenuDialog::bindCheckBox(Control& c) {
    auto* box = new QCheckBox(this);
    connect(box, &QCheckBox::clicked, this, [&c] { user::click(c); });
    syncs_.push_back([box, &c] {
        box->setText(qs(c.Caption));
        box->setChecked(c.Value == kChecked);
        syncCommon(*box, c);
        applyAccessibleText(*box, c);
    });
    return box;
}

} // namespace ondivel
