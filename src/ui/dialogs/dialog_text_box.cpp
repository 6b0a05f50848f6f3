#include "ui/dialogs/dialog_text_box.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <string>

#include "core/control.h"
#include "core/win1252.h"

namespace ondivel {

namespace {

// The one-byte code of the character a key typed (Windows-1252, as the models expect), 0 when
// the key types no character the model hears.
int typedCode(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Backspace) return 8;
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return 0;
    const QString text = event.text();
    if (text.size() != 1 || !text.at(0).isPrint()) return 0;
    const std::string byte = utf8ToCp1252(text.toStdString());
    return byte.size() == 1 ? static_cast<unsigned char>(byte[0]) : 0;
}

} // namespace

bool isPasswordBox(const Control& c) {
    return c.kind() == ControlKind::TextBox && !c.PasswordChar.empty();
}

DialogTextBox::DialogTextBox(Control& c, Touched touched, QWidget* parent)
    : QLineEdit(parent), control_(c), touched_(std::move(touched)) {
    setObjectName(QString::fromStdString(c.path()));
    if (isPasswordBox(c)) setEchoMode(QLineEdit::Password);
    // Pasting, cutting and undoing reach the model too.
    connect(this, &QLineEdit::textEdited, this, [this] { pushText(); });
}

void DialogTextBox::pushText() {
    control_.SelStart = cursorPosition();
    control_.SelLength = 0;
    const std::string shown = text().toStdString();
    if (shown == control_.Text) return;
    control_.setText(shown);
    touched_();
}

void DialogTextBox::keyPressEvent(QKeyEvent* event) {
    const int typed = typedCode(*event);
    if (typed == 0 || !control_.on.KeyPress) {
        QLineEdit::keyPressEvent(event);
        pushText();
        return;
    }
    int key = typed;
    control_.on.KeyPress(key);
    if (key == typed) {
        QLineEdit::keyPressEvent(event);
    } else if (key == 8) {
        backspace();
    } else if (key != 0) {
        insert(QString::fromStdString(cp1252ToUtf8(std::string(1, static_cast<char>(key)))));
    }
    event->accept(); // a refused key stops here
    pushText();
    touched_();
}

void DialogTextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Focus coming back from a message box or a popup is no entry into the box.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
    control_.raise(control_.on.GotFocus);
    // After the mouse press that gave the focus, which would place the cursor.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) selectAll();
    });
    touched_();
}

void DialogTextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
    pushText();
    control_.raise(control_.on.LostFocus);
    touched_();
}

void DialogTextBox::syncFromModel() {
    const QString wanted = QString::fromStdString(control_.Text);
    if (text() != wanted) {
        const QSignalBlocker block(this);
        const int cursor = cursorPosition();
        setText(wanted);
        setCursorPosition(std::min(cursor, static_cast<int>(wanted.size())));
    }
    syncCommon(*this, control_);
}

} // namespace ondivel
