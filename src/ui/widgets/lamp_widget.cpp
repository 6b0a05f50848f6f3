#include "ui/widgets/lamp_widget.h"

#include <QPainter>
#include <QRadialGradient>
#include <algorithm>

#include "core/control.h"
#include "ui/widgets/paint_key.h"

namespace ondivel {

void paintLamp(QPainter& p, const QRectF& r, const QColor& color, bool glow) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(r.width(), r.height());
    const QPointF c = r.center();
    const double bezel = side / 2 - 0.5;
    const double glass = bezel * (glow ? 0.72 : 0.78);

    if (glow) {
        QRadialGradient halo(c, bezel);
        QColor h = color;
        h.setAlpha(150);
        halo.setColorAt(0.55, h);
        h.setAlpha(0);
        halo.setColorAt(1.0, h);
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(c, bezel, bezel);
    } else {
        // Chromed bezel.
        QLinearGradient ring(r.topLeft(), r.bottomRight());
        ring.setColorAt(0, QColor(235, 235, 235));
        ring.setColorAt(1, QColor(90, 90, 95));
        p.setPen(QPen(QColor(60, 60, 60), std::max(0.6, side / 24)));
        p.setBrush(ring);
        p.drawEllipse(c, bezel, bezel);
    }

    QRadialGradient fill(c - QPointF(glass * 0.3, glass * 0.35), glass * 1.4);
    if (glow) {
        fill.setColorAt(0, QColor(255, 255, 255));
        fill.setColorAt(0.25, color.lighter(130));
        fill.setColorAt(1, color.darker(130));
    } else {
        fill.setColorAt(0, color.lighter(105));
        fill.setColorAt(1, color.darker(135));
    }
    p.setPen(QPen(QColor(0, 0, 0, 110), std::max(0.5, side / 30)));
    p.setBrush(fill);
    p.drawEllipse(c, glass, glass);
    p.restore();
}

LampWidget::LampWidget(Control& shape, QWidget* parent) : QWidget(parent), shape_(shape) {
    setAttribute(Qt::WA_TranslucentBackground);
    syncFromModel();
}

void LampWidget::syncFromModel() {
    syncCommon(*this, shape_);
    updateWhenChanged(*this, painted_, PaintKey() << shape_);
}

void LampWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool lit = shape_.FillColor == kLampOn;
    paintLamp(p, QRectF(rect()), toQColor(shape_.FillColor), lit);
}

PowerLampWidget::PowerLampWidget(Control& image, int litPicture, QWidget* parent)
    : QWidget(parent), image_(image), litPicture_(litPicture) {
    setAttribute(Qt::WA_TranslucentBackground);
    syncFromModel();
}

bool PowerLampWidget::lit() const {
    return image_.Picture == litPicture_;
}

void PowerLampWidget::syncFromModel() {
    syncCommon(*this, image_);
    updateWhenChanged(*this, painted_, PaintKey() << image_);
}

void PowerLampWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintLamp(p, QRectF(rect()), lit() ? QColor(255, 40, 30) : QColor(110, 30, 28), lit());
}

} // namespace ondivel
