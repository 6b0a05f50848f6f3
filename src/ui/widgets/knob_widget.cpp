#include "ui/widgets/knob_widget.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "bench/main/accessible_text.h"
#include "core/control.h"
#include "core/user_input.h"
#include "ui/views/key_codes.h"
#include "ui/widgets/knob_geometry.h"
#include "ui/widgets/paint_key.h"

namespace ondivel {

namespace {

// The QAbstractSlider range holds the model's doubles in thousandths, so fractional values keep
// their place and the accessibility layer reads sensible numbers.
constexpr double kSliderScale = 1000;
// Pixels of vertical travel that sweep the whole scale.
constexpr double kFullTravel = 200;

int toSlider(double v) {
    return static_cast<int>(std::lround(v * kSliderScale));
}

// Reads the knob's value with the view's units for screen readers.
class KnobAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit KnobAccessible(KnobWidget* w) : QAccessibleWidget(w, QAccessible::Dial) {}
    KnobWidget* knob() const { return static_cast<KnobWidget*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return knob()->valueText();
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return knob()->control().Value; }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return knob()->control().Max; }
    QVariant minimumValue() const override { return knob()->control().Min; }
    QVariant minimumStepSize() const override {
        return knob::stepOf(knob()->control().Min, knob()->control().Max);
    }
};

QAccessibleInterface* knobAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("ondivel::KnobWidget") && object && object->isWidgetType())
        return new KnobAccessible(static_cast<KnobWidget*>(object));
    return nullptr;
}

int buttonMask(Qt::MouseButton b) {
    return b == Qt::RightButton ? kRightButton : b == Qt::LeftButton ? kLeftButton : 0;
}

} // namespace

KnobWidget::KnobWidget(Control& knob, QWidget* parent) : QAbstractSlider(parent), knob_(knob) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(knobAccessibleFactory);
        return true;
    }();
    (void)factoryInstalled;
    setFocusPolicy(Qt::StrongFocus);
    markStop(*this, knob);
    setAccessibleName(QString::fromStdString(knob.name()));
    syncFromModel();
}

QString KnobWidget::valueText() const {
    const std::string value = accessibleText(knob_).value;
    return value.empty() ? QString::number(knob_.Value) : QString::fromStdString(value);
}

QSize KnobWidget::sizeHint() const {
    return {56, 56};
}
QSize KnobWidget::minimumSizeHint() const {
    return {24, 24};
}

void KnobWidget::syncFromModel() {
    syncCommon(*this, knob_);
    const QSignalBlocker block(this);
    setRange(toSlider(std::min(knob_.Min, knob_.Max)), toSlider(std::max(knob_.Min, knob_.Max)));
    setSingleStep(toSlider(knob::stepOf(knob_.Min, knob_.Max)));
    setPageStep(toSlider(knob::pageOf(knob_.Min, knob_.Max)));
    const int v = toSlider(knob_.Value);
    if (v != value()) {
        setValue(v);
        QAccessibleValueChangeEvent change(this, knob_.Value);
        QAccessible::updateAccessibility(&change);
    }
    updateWhenChanged(*this, painted_, PaintKey() << knob_);
}

void KnobWidget::turnTo(double target) {
    user::drag(knob_, target, kLeftButton);
    syncFromModel();
}

void KnobWidget::mousePressEvent(QMouseEvent* event) {
    const int button = buttonMask(event->button());
    if (button == 0 || dragButton_ != 0) return;
    dragButton_ = button;
    lastY_ = event->position().y();
    dragValue_ = knob_.Value;
    setFocus(Qt::MouseFocusReason);
    user::knobDown(knob_, knob_.Value, button, 0);
    syncFromModel();
}

void KnobWidget::mouseMoveEvent(QMouseEvent* event) {
    if (dragButton_ == 0) return;
    double target = knob_.Value;
    if (dragButton_ == kLeftButton) {
        // Measured from the last position, so pressing Shift mid-drag does not make the knob jump.
        const bool fine = event->modifiers().testFlag(Qt::ShiftModifier);
        const double lo = std::min(knob_.Min, knob_.Max), hi = std::max(knob_.Min, knob_.Max);
        dragValue_ = std::clamp(dragValue_ + knob::dragDelta(lastY_ - event->position().y(), knob_.Min,
                                                             knob_.Max, kFullTravel, fine),
                                lo, hi);
        target = knob::snapped(dragValue_, knob_.Min, knob_.Max);
    }
    lastY_ = event->position().y();
    user::knobMove(knob_, target, dragButton_, 0);
    syncFromModel();
}

void KnobWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (dragButton_ == 0 || buttonMask(event->button()) != dragButton_) return;
    const int button = dragButton_;
    dragButton_ = 0;
    user::knobUp(knob_, knob_.Value, button, 0);
    syncFromModel();
}

void KnobWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    user::dblClick(knob_);
    syncFromModel();
}

void KnobWidget::wheelEvent(QWheelEvent* event) {
    const int notches = event->angleDelta().y() / 120;
    if (notches == 0) return;
    const bool fine = event->modifiers().testFlag(Qt::ShiftModifier);
    const double step = fine ? knob::fineStepOf(knob_.Min, knob_.Max) : knob::stepOf(knob_.Min, knob_.Max);
    turnTo(knob_.Value + notches * step);
    event->accept();
}

void KnobWidget::keyPressEvent(QKeyEvent* event) {
    const std::optional<NavKey> key = navKeyOf(event->key());
    const std::optional<double> target = key ? knob::keyTarget(*key, knob_.Value, knob_.Min, knob_.Max,
                                                               event->modifiers().testFlag(Qt::ShiftModifier))
                                             : std::nullopt;
    if (!target) {
        // F1 and the other keys go to the window, which previews them.
        QWidget::keyPressEvent(event);
        return;
    }
    turnTo(*target);
    event->accept();
}

const QPixmap& KnobWidget::face() {
    const qreal dpr = devicePixelRatioF();
    const QSize device = (QSizeF(size()) * dpr).toSize();
    if (face_.size() != device || face_.devicePixelRatio() != dpr) {
        face_ = QPixmap(device);
        face_.setDevicePixelRatio(dpr);
        face_.fill(Qt::transparent);
        QPainter p(&face_);
        p.setRenderHint(QPainter::Antialiasing);
        paintFace(p, QRectF(QPointF(0, 0), QSizeF(size())));
    }
    return face_;
}

// Scale ticks round the dial, a shadowed dark skirt and a cream cap: everything but the pointer.
void KnobWidget::paintFace(QPainter& p, const QRectF& r) const {
    const double side = std::min(r.width(), r.height());
    const QPointF c = r.center();
    const double outer = side / 2 - 1;
    const double skirt = outer * 0.78;
    const double cap = skirt * 0.72;

    QPen tickPen(QColor(40, 40, 40), std::max(1.0, side / 60));
    tickPen.setCapStyle(Qt::FlatCap);
    p.setPen(tickPen);
    constexpr int kTicks = 11;
    for (int i = 0; i < kTicks; ++i) {
        const double a =
            (-knob::kSweepDegrees / 2 + i * knob::kSweepDegrees / (kTicks - 1)) * std::numbers::pi / 180;
        const double inner =
            (i == 0 || i == kTicks - 1 || i == kTicks / 2) ? skirt + 1 : skirt + outer * 0.08;
        p.drawLine(QPointF(c.x() + inner * std::sin(a), c.y() - inner * std::cos(a)),
                   QPointF(c.x() + outer * std::sin(a), c.y() - outer * std::cos(a)));
    }

    // Drop shadow, then the knurled skirt.
    QRadialGradient shadow(c + QPointF(side * 0.03, side * 0.05), skirt * 1.12);
    shadow.setColorAt(0.8, QColor(0, 0, 0, 90));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(c + QPointF(side * 0.03, side * 0.05), skirt * 1.12, skirt * 1.12);

    QLinearGradient skirtFill(c - QPointF(skirt, skirt), c + QPointF(skirt, skirt));
    skirtFill.setColorAt(0, QColor(95, 95, 100));
    skirtFill.setColorAt(1, QColor(20, 20, 24));
    p.setBrush(skirtFill);
    p.setPen(QPen(QColor(10, 10, 10), 1));
    p.drawEllipse(c, skirt, skirt);
    QPen knurl(QColor(255, 255, 255, 40), 1);
    knurl.setCapStyle(Qt::FlatCap);
    p.setPen(knurl);
    for (int i = 0; i < 36; ++i) {
        const double a = i * std::numbers::pi / 18;
        p.drawLine(QPointF(c.x() + cap * 1.04 * std::sin(a), c.y() - cap * 1.04 * std::cos(a)),
                   QPointF(c.x() + skirt * 0.96 * std::sin(a), c.y() - skirt * 0.96 * std::cos(a)));
    }

    QRadialGradient capFill(c - QPointF(cap * 0.35, cap * 0.45), cap * 1.5);
    capFill.setColorAt(0, QColor(255, 252, 236));
    capFill.setColorAt(0.6, QColor(236, 226, 196));
    capFill.setColorAt(1, QColor(178, 166, 136));
    p.setBrush(capFill);
    p.setPen(QPen(QColor(120, 110, 90), std::max(1.0, side / 70)));
    p.drawEllipse(c, cap, cap);
}

void KnobWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) p.setOpacity(0.55);
    p.drawPixmap(0, 0, face());

    const double side = std::min(width(), height());
    const QPointF c = QRectF(rect()).center();
    const double cap = (side / 2 - 1) * 0.78 * 0.72;
    const double a = knob::angleOf(knob_.Value, knob_.Min, knob_.Max) * std::numbers::pi / 180;
    QPen pointer(QColor(25, 25, 25), std::max(1.5, side / 22));
    pointer.setCapStyle(Qt::RoundCap);
    p.setPen(pointer);
    p.drawLine(QPointF(c.x() + cap * 0.15 * std::sin(a), c.y() - cap * 0.15 * std::cos(a)),
               QPointF(c.x() + cap * 0.92 * std::sin(a), c.y() - cap * 0.92 * std::cos(a)));
    // The panel's focus ring marks the focus (focus_ring.h), not the knob.
}

} // namespace ondivel
