#include "ui/widgets/model_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "core/control.h"
#include "core/user_input.h"
#include "ui/widgets/paint_key.h"

namespace ondivel {

ModelButton::ModelButton(Control& control, QWidget* parent) : QAbstractButton(parent), control_(control) {
    setFocusPolicy(Qt::StrongFocus);
    markStop(*this, control);
    connect(this, &QAbstractButton::clicked, this, [this] {
        user::click(control_);
        syncFromModel();
    });
    syncFromModel();
}

void ModelButton::keyPressEvent(QKeyEvent* event) {
    // Enter presses a panel button as Space does, so the keyboard needs no second rule.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat()) click();
        event->accept();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        // Only Tab moves the focus, along the panel's order (QAbstractButton would go by Qt's).
        QWidget::keyPressEvent(event);
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

void ModelButton::setPictogram(Pictogram p) {
    pictogram_ = std::move(p);
    update();
}

void ModelButton::setCaptionShown(bool shown) {
    captionShown_ = shown;
    update();
}

bool ModelButton::pressedIn() const {
    const ControlKind k = control_.kind();
    return (k == ControlKind::OptionButton || k == ControlKind::CheckBox) && control_.Value != 0;
}

void ModelButton::syncFromModel() {
    syncCommon(*this, control_);
    const QString caption = modelText(control_.Caption);
    if (text() != caption) setText(caption);
    updateWhenChanged(*this, painted_, PaintKey() << control_);
}

QSize ModelButton::sizeHint() const {
    return {std::max(32, fontMetrics().horizontalAdvance(text()) + 12), 24};
}

void ModelButton::paintFace(QPainter& p, const QRectF& r, bool sunk) const {
    const double radius = std::min(r.width(), r.height()) * 0.12;
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    if (sunk) {
        fill.setColorAt(0, QColor(150, 152, 158));
        fill.setColorAt(1, QColor(196, 198, 204));
    } else {
        fill.setColorAt(0, QColor(250, 250, 252));
        fill.setColorAt(1, QColor(186, 188, 194));
    }
    p.setPen(QPen(QColor(40, 40, 45), 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
    if (!sunk) {
        p.setPen(QPen(QColor(255, 255, 255, 200), 1));
        p.drawLine(QPointF(r.left() + radius, r.top() + 1.5), QPointF(r.right() - radius, r.top() + 1.5));
    }
}

void ModelButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool sunk = pressedIn() || isDown();
    QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    // A disabled button fades into the panel, pictogram included.
    if (!isEnabled()) p.setOpacity(0.45);
    paintFace(p, r, sunk);
    if (sunk) r.translate(0.5, 1);
    const QColor ink = isEnabled() ? QColor(20, 20, 25) : QColor(135, 135, 140);

    QRectF textRect = r;
    if (pictogram_) {
        QRectF picto = r.adjusted(r.width() * 0.14, r.height() * 0.14, -r.width() * 0.14, -r.height() * 0.14);
        if (captionShown_ && !text().isEmpty()) {
            picto.setBottom(r.bottom() - fontMetrics().height() - 1);
            textRect.setTop(picto.bottom());
        }
        pictogram_(p, picto, ink);
        if (!captionShown_) textRect = {};
    }
    if (!textRect.isEmpty()) {
        p.setPen(ink);
        p.drawText(textRect, Qt::AlignCenter, text());
    }
    // The panel's focus ring marks the focus (focus_ring.h), not the button.
}

SwitchButton::SwitchButton(Control& checkBox, QWidget* parent) : ModelButton(checkBox, parent) {}

// A square mechanical push button in a dark bezel; it sits deeper while the instrument is on.
void SwitchButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = std::min(outer.width(), outer.height()) * 0.12;
    p.setPen(QPen(QColor(10, 10, 10), 1));
    p.setBrush(QColor(45, 45, 50));
    p.drawRoundedRect(outer, radius, radius);

    const bool sunk = pressedIn() || isDown();
    const double inset = std::min(outer.width(), outer.height()) * (sunk ? 0.16 : 0.09);
    QRectF cap = outer.adjusted(inset, inset, -inset, -inset);
    if (!sunk) cap.translate(-0.5, -1);
    QLinearGradient fill(cap.topLeft(), cap.bottomLeft());
    fill.setColorAt(0, sunk ? QColor(170, 170, 172) : QColor(236, 236, 238));
    fill.setColorAt(1, sunk ? QColor(130, 130, 134) : QColor(160, 160, 166));
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(fill);
    p.drawRoundedRect(cap, radius * 0.7, radius * 0.7);

    QFont f = font();
    f.setBold(true);
    f.setPixelSize(std::max(7, static_cast<int>(cap.height() * 0.42)));
    p.setFont(f);
    p.setPen(isEnabled() ? QColor(20, 20, 25) : QColor(120, 120, 125));
    p.drawText(cap, Qt::AlignCenter, text());
}

} // namespace ondivel
