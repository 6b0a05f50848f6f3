#include "ui/views/focus_ring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>

#include "ui/widgets/bound_widget.h"
#include "ui/widgets/knob_widget.h"

namespace ondivel {

namespace {
// The ring stands this far outside the control, so it never hides the control's own edge.
constexpr int kGap = 1;
constexpr int kMargin = kGap + 2 * FocusRing::kBand;

// Whether the focus moves at the keyboard's hand. A panel that opens takes the focus to its first
// control as Tab would (a Tab reason, no button down) even when a click opened it: so the ring
// follows the last input instead, a key press or a program's keyboard request against a click.
class FocusInput : public QObject {
  public:
    static FocusInput& instance() {
        // Owned by the application object: a later one (tests make several) gets its own.
        static QPointer<FocusInput> tracker;
        if (!tracker) {
            tracker = new FocusInput(qApp);
            qApp->installEventFilter(tracker);
        }
        return *tracker;
    }
    bool keyboard = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) keyboard = true;
        if (event->type() == QEvent::MouseButtonPress) keyboard = false;
        return QObject::eventFilter(watched, event);
    }

  private:
    using QObject::QObject;
};
} // namespace

FocusRing::FocusRing(QWidget& panel) : QWidget(&panel), panel_(panel) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    FocusInput::instance();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::keyboardMovesFocus(bool keyboard) {
    FocusInput::instance().keyboard = keyboard;
}

bool FocusRing::keyboardInUse() {
    return FocusInput::instance().keyboard;
}

void FocusRing::follow(QWidget* now) {
    if (target_) target_->removeEventFilter(this);
    target_ = nullptr;
    // A click gives the focus with a button down: the mouse needs no ring.
    const bool keyboard = QApplication::mouseButtons() == Qt::NoButton && FocusInput::instance().keyboard;
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
