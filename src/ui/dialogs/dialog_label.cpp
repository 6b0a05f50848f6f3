#include "ui/dialogs/dialog_label.h"

#include <QApplication>

#include "core/control.h"
#include "ui/dialogs/access_key.h"

namespace ondivel {

namespace {

// Black, the toolkit's default ink, leaves the desktop's own text colour.
void setTextColour(QWidget& w, Color c) {
    const QColor wanted = c == kBlack ? QApplication::palette(&w).color(QPalette::WindowText) : toQColor(c);
    if (w.palette().color(QPalette::WindowText) == wanted) return;
    QPalette p = w.palette();
    p.setColor(QPalette::WindowText, wanted);
    w.setPalette(p);
}

} // namespace

DialogLabel::DialogLabel(Control& c, QWidget* parent) : QLabel(parent), control_(c) {
    setObjectName(QString::fromStdString(c.path()));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void DialogLabel::syncFromModel() {
    const QString caption = captionWithoutAccessKey(control_.Caption);
    if (text() != caption) setText(caption);
    setTextColour(*this, control_.ForeColor);
    syncCommon(*this, control_);
}

} // namespace ondivel
