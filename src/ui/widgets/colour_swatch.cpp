#include "ui/widgets/colour_swatch.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace ondivel {

ColourSwatch::ColourSwatch(const QString& accessibleName, QWidget* parent) : QAbstractButton(parent) {
    setAccessibleName(accessibleName);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setMinimumSize(sizeHint());
}

void ColourSwatch::setColour(Color c) {
    if (c == colour_) return;
    colour_ = c;
    // Screen readers hear the components, not a number.
    setAccessibleDescription(
        QStringLiteral("Rouge %1, vert %2, bleu %3").arg(redOf(c)).arg(greenOf(c)).arg(blueOf(c)));
    update();
}

void ColourSwatch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect().adjusted(2, 2, -3, -3);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    p.setBrush(QColor(redOf(colour_), greenOf(colour_), blueOf(colour_)));
    p.drawRect(r);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

void ColourSwatch::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit resetRequested();
}

void ColourSwatch::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
        emit resetRequested();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace ondivel
