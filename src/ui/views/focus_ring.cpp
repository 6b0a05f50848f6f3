#include "ui/views/focus_ring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

#include "ui/widgets/bound_widget.h"
#include "ui/widgets/knob_widget.h"

namespace ondivel {

namespace {
// The ring stands this far outside the control, so it never hides the control's own edge.
constexpr int kGap = 1;
constexpr int kMargin = kGap + 2 * FocusRing::kBand;
} // namespace

FocusRing::FocusRing(QWidget& panel) : QWidget(&panel), panel_(panel) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::follow(QWidget* now) {
    if (target_) target_->removeEventFilter(this);
    target_ = nullptr;
    // A click gives the focus with a button down: the mouse needs no ring.
    const bool keyboard = QApplication::mouseButtons() == Qt::NoButton;
    if (!now || !keyboard || !panel_.isAncestorOf(now) || stopPathOf(*now).isEmpty()) {
        hide();
        return;
    }
    target_ = now;
    round_ = qobject_cast<KnobWidget*>(now) != nullptr;
    target_->installEventFilter(this);
    place();
}

void FocusRing::place() {
    if (!target_ || !target_->isVisible()) {
        hide();
        return;
    }
    const QRect r(target_->mapTo(&panel_, QPoint(0, 0)), target_->size());
    setGeometry(r.adjusted(-kMargin, -kMargin, kMargin, kMargin));
    raise();
    show();
    update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == target_) {
        const QEvent::Type t = event->type();
        if (t == QEvent::Move || t == QEvent::Resize || t == QEvent::Show || t == QEvent::Hide) place();
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    // Each band is stroked along its own middle line.
    const QRectF outer = QRectF(rect()).adjusted(kBand / 2.0, kBand / 2.0, -kBand / 2.0, -kBand / 2.0);
    const QRectF inner = outer.adjusted(kBand, kBand, -kBand, -kBand);
    const auto band = [&](const QRectF& r, const QColor& colour) {
        p.setPen(QPen(colour, kBand));
        if (round_) {
            const double side = std::min(r.width(), r.height());
            p.drawEllipse(QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side));
        } else {
            p.drawRoundedRect(r, 4, 4);
        }
    };
    band(outer, outerColor());
    band(inner, innerColor());
}

} // namespace ondivel
