#include "ui/dialogs/dialog_button.h"

#include <QStyle>
#include <cctype>
#include <string>

#include "core/control.h"
#include "core/user_input.h"

namespace ondivel {

namespace {

bool endsWithNoCase(const std::string& s, const std::string& end) {
    if (s.size() < end.size()) return false;
    for (std::size_t i = 0; i < end.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[s.size() - end.size() + i])) != end[i]) return false;
    return true;
}

} // namespace

DialogButton::DialogButton(Control& c, Touched touched, QWidget* parent) : QPushButton(parent), control_(c) {
    setObjectName(QString::fromStdString(c.path()));
    // The editor's arrow buttons have no caption: they show arrows.
    if (c.Caption.empty() && endsWithNoCase(c.name(), "up"))
        setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    else if (c.Caption.empty() && endsWithNoCase(c.name(), "down"))
        setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    connect(this, &QPushButton::clicked, this, [this, touched] {
        user::click(control_);
        touched();
    });
}

void DialogButton::syncFromModel() {
    const QString caption = modelText(control_.Caption);
    if (text() != caption) setText(caption);
    syncCommon(*this, control_);
}

} // namespace ondivel
