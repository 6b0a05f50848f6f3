#include "ui/sources/harmonic_widgets.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/control.h"
#include "core/user_input.h"
#include "ui/widgets/model_slider.h"
#include "ui/widgets/paint_key.h"

namespace ondivel {

AmplitudeSlider::AmplitudeSlider(Control& slider, QWidget* parent)
    : QSlider(Qt::Vertical, parent), slider_(slider) {
    // Qt puts its maximum at the top: the view shows the magnitude, the model keeps the sign.
    setTickPosition(QSlider::TicksLeft);
    setAccessibleName(QString::fromStdString(slider.name()));
    markStop(*this, slider);
    connect(this, &QSlider::valueChanged, this, [this](int v) {
        if (syncing_ || -v == static_cast<int>(std::lround(slider_.Value))) return;
        user::slide(slider_, -v);
        syncFromModel();
    });
    syncFromModel();
}

void AmplitudeSlider::paintEvent(QPaintEvent*) {
    QStyleOptionSlider option;
    initStyleOption(&option);
    paintUnmarkedSlider(*this, option);
}

void AmplitudeSlider::syncFromModel() {
    syncing_ = true;
    syncCommon(*this, slider_);
    const int top = static_cast<int>(std::lround(-slider_.Min));
    setRange(static_cast<int>(std::lround(-slider_.Max)), top);
    setTickInterval(std::max(1, top / 10));
    setSingleStep(10);
    setPageStep(std::max(1, top / 10));
    setValue(static_cast<int>(std::lround(-slider_.Value)));
    syncing_ = false;
}

LevelBar::LevelBar(Control& bar, Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), bar_(bar), orientation_(orientation) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    syncFromModel();
}

void LevelBar::syncFromModel() {
    syncCommon(*this, bar_);
    updateWhenChanged(*this, painted_, PaintKey() << bar_);
}

double LevelBar::fill() const {
    const double span = bar_.Max - bar_.Min;
    return span <= 0 ? 0 : std::clamp((bar_.Value - bar_.Min) / span, 0.0, 1.0);
}

void LevelBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(60, 64, 70), 1));
    p.setBrush(QColor(24, 30, 26));
    p.drawRoundedRect(r, 2, 2);
    const QRectF inner = r.adjusted(1.5, 1.5, -1.5, -1.5);
    QRectF lit = inner;
    QLinearGradient glow;
    if (orientation_ == Qt::Vertical) {
        lit.setTop(inner.bottom() - inner.height() * fill());
        glow = QLinearGradient(inner.bottomLeft(), inner.topLeft());
    } else {
        lit.setWidth(inner.width() * fill());
        glow = QLinearGradient(inner.topLeft(), inner.topRight());
    }
    glow.setColorAt(0, QColor(40, 170, 60));
    glow.setColorAt(1, QColor(150, 240, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    if (lit.width() > 0 && lit.height() > 0) p.drawRoundedRect(lit, 1, 1);
}

UnitLabel::UnitLabel(Control& label, QString unit, QWidget* parent)
    : QLabel(parent), label_(label), unit_(std::move(unit)) {
    setAlignment(Qt::AlignCenter);
    syncFromModel();
}

void UnitLabel::syncFromModel() {
    syncCommon(*this, label_);
    setText(modelText(label_.Caption) + unit_);
}

} // namespace ondivel
