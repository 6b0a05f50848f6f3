#include "ui/widgets/polarity_switch.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/control.h"
#include "core/user_input.h"
#include "ui/widgets/paint_key.h"

namespace ondivel {

PolaritySwitch::PolaritySwitch(Control& positive, Control& negative, QWidget* parent)
    : QAbstractButton(parent), options_{&positive, &negative} {
    setFocusPolicy(Qt::StrongFocus);
    markStop(*this, positive);
    setAccessibleName(QStringLiteral("Polarité"));
    syncFromModel();
}

int PolaritySwitch::position() const {
    return options_[0]->isOn() ? 0 : options_[1]->isOn() ? 1 : -1;
}

void PolaritySwitch::syncFromModel() {
    syncCommon(*this, *options_[0]);
    const int pos = position();
    const QString described = pos < 0 ? QString() : modelText(options_[pos]->Caption);
    if (accessibleDescription() != described) setAccessibleDescription(described);
    updateWhenChanged(*this, painted_, PaintKey() << *options_[0] << *options_[1]);
}

void PolaritySwitch::choose(int index) {
    user::click(*options_[index]);
    syncFromModel();
}

void PolaritySwitch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
    choose(event->position().y() < height() / 2.0 ? 0 : 1);
}

void PolaritySwitch::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        choose(0);
        break;
    case Qt::Key_Down:
        choose(1);
        break;
    case Qt::Key_Space:
        choose(position() == 0 ? 1 : 0);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        // Only Tab moves the focus, along the panel's order.
        QWidget::keyPressEvent(event);
        break;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

void PolaritySwitch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double h = height(), w = width();
    const double u = std::min(w / 120.0, h / 120.0); // design unit
    // Switch plate on the left, captions on the right.
    const QRectF plate(4 * u, h / 2 - 46 * u, 34 * u, 92 * u);
    QLinearGradient metal(plate.topLeft(), plate.topRight());
    metal.setColorAt(0, QColor(210, 212, 216));
    metal.setColorAt(0.5, QColor(245, 246, 248));
    metal.setColorAt(1, QColor(170, 173, 178));
    p.setPen(QPen(QColor(80, 80, 86), 1 * u));
    p.setBrush(metal);
    p.drawRoundedRect(plate, 5 * u, 5 * u);
    const QPointF c = plate.center();
    p.setBrush(QColor(40, 40, 44));
    p.drawEllipse(c, 9 * u, 9 * u);

    // End marks: + above, − below.
    QFont mark = font();
    mark.setPixelSize(std::max(6, static_cast<int>(14 * u)));
    mark.setBold(true);
    p.setFont(mark);
    p.setPen(QColor(190, 20, 20));
    p.drawText(QRectF(plate.left(), plate.top() + 1 * u, plate.width(), 16 * u), Qt::AlignCenter,
               QStringLiteral("+"));
    p.setPen(QColor(20, 20, 20));
    p.drawText(QRectF(plate.left(), plate.bottom() - 17 * u, plate.width(), 16 * u), Qt::AlignCenter,
               QString(QChar(0x2212)));

    // The lever, drawn as a tapered chrome bat pointing to the selected end.
    const int pos = position();
    if (pos >= 0) {
        const double dir = pos == 0 ? -1 : 1;
        const QPointF tip(c.x(), c.y() + dir * 30 * u);
        QPolygonF bat({QPointF(c.x() - 4 * u, c.y()), QPointF(c.x() + 4 * u, c.y()),
                       QPointF(tip.x() + 6 * u, tip.y()), QPointF(tip.x() - 6 * u, tip.y())});
        QLinearGradient chrome(QPointF(c.x() - 6 * u, 0), QPointF(c.x() + 6 * u, 0));
        chrome.setColorAt(0, QColor(150, 152, 158));
        chrome.setColorAt(0.4, QColor(250, 250, 252));
        chrome.setColorAt(1, QColor(110, 112, 118));
        p.setPen(QPen(QColor(60, 60, 64), 0.8 * u));
        p.setBrush(chrome);
        p.drawPolygon(bat);
        p.drawEllipse(tip, 6 * u, 4 * u);
    }

    // Captions beside each end; the chosen one in bold.
    QFont text = font();
    text.setPixelSize(std::max(6, static_cast<int>(10 * u)));
    for (int i = 0; i < 2; ++i) {
        text.setBold(i == pos);
        p.setFont(text);
        p.setPen(i == pos ? QColor(20, 20, 24) : QColor(90, 90, 96));
        const QRectF r(plate.right() + 6 * u, i == 0 ? plate.top() : plate.bottom() - 34 * u,
                       w - plate.right() - 8 * u, 34 * u);
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, modelText(options_[i]->Caption));
    }
}

} // namespace ondivel
