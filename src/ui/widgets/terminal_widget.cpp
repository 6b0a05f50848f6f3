#include "ui/widgets/terminal_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>

#include "core/control.h"
#include "core/user_input.h"
#include "ui/widgets/paint_key.h"

namespace ondivel {

TerminalWidget::TerminalWidget(Control& terminal, Control& plug, Control* mark, QColor plugColor,
                               QWidget* parent)
    : QWidget(parent), terminal_(terminal), plug_(plug), mark_(mark), plugColor_(plugColor) {
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
    // The keyboard's way in; a click leaves the focus where it was, as before.
    setFocusPolicy(Qt::TabFocus);
    markStop(*this, terminal);
    syncFromModel();
}

bool TerminalWidget::plugged() const {
    return plug_.Visible;
}

void TerminalWidget::syncFromModel() {
    setVisible(terminal_.Visible);
    setEnabled(terminal_.Enabled);
    const QString tip =
        modelText(plugged() && !plug_.ToolTipText.empty() ? plug_.ToolTipText : terminal_.ToolTipText);
    if (toolTip() != tip) setToolTip(tip);
    PaintKey key;
    key << terminal_ << plug_;
    if (mark_) key << *mark_;
    updateWhenChanged(*this, painted_, key);
}

void TerminalWidget::plugOrUnplug() {
    user::click(plugged() ? plug_ : terminal_);
    syncFromModel();
}

void TerminalWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
    plugOrUnplug();
}

void TerminalWidget::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) plugOrUnplug();
    event->accept();
}

void TerminalWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // The terminal sits in the upper square; the plug's cable leaves downwards.
    const double side = std::min<double>(width(), height() * 0.75);
    const QPointF c(width() / 2.0, side / 2.0);
    const double ring = side / 2 - 1;
    const double nut = ring * 0.7;
    const double hole = nut * 0.32;

    const QColor ringColor = mark_ ? toQColor(mark_->FillColor) : QColor(30, 30, 30);
    QRadialGradient ringFill(c - QPointF(ring * 0.3, ring * 0.3), ring * 1.5);
    ringFill.setColorAt(0, ringColor.lighter(125));
    ringFill.setColorAt(1, ringColor.darker(150));
    p.setPen(QPen(QColor(20, 20, 20), std::max(1.0, side / 30)));
    p.setBrush(ringFill);
    p.drawEllipse(c, ring, ring);

    // Knurled brass nut with its socket.
    QRadialGradient metal(c - QPointF(nut * 0.35, nut * 0.4), nut * 1.4);
    metal.setColorAt(0, QColor(255, 244, 200));
    metal.setColorAt(0.5, QColor(212, 178, 96));
    metal.setColorAt(1, QColor(120, 92, 40));
    p.setPen(QPen(QColor(70, 55, 25), std::max(0.8, side / 40)));
    p.setBrush(metal);
    p.drawEllipse(c, nut, nut);
    p.setBrush(QColor(25, 20, 15));
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, hole, hole);

    if (!plugged()) return;
    // The plug seen from the front: a moulded sleeve over the terminal, the cable running down.
    const double sleeve = nut * 0.92;
    QPen cable(plugColor_.darker(140), std::max(2.0, side * 0.2));
    cable.setCapStyle(Qt::FlatCap);
    p.setPen(cable);
    p.drawLine(QPointF(c.x(), c.y() + sleeve * 0.6), QPointF(c.x(), height()));
    QRadialGradient body(c - QPointF(sleeve * 0.35, sleeve * 0.4), sleeve * 1.5);
    body.setColorAt(0, plugColor_.lighter(170));
    body.setColorAt(0.45, plugColor_);
    body.setColorAt(1, plugColor_.darker(200));
    p.setPen(QPen(QColor(0, 0, 0, 160), std::max(0.8, side / 40)));
    p.setBrush(body);
    p.drawEllipse(c, sleeve, sleeve);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 70), std::max(0.8, side / 35)));
    p.drawEllipse(c, sleeve * 0.55, sleeve * 0.55);
}

} // namespace ondivel
