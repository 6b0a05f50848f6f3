#include "ui/dialogs/dialog_picture.h"

#include <QPainter>
#include <algorithm>

#include "bench/evaluation/frm_exo.h"
#include "core/control.h"

namespace ondivel {

namespace {

constexpr int kPictureLightWaiting = FrmExo::kLightWaiting;
constexpr int kPictureLightAllRight = FrmExo::kLightAllRight;

} // namespace

DialogPicture::DialogPicture(Control& c, QWidget* parent) : QWidget(parent), control_(c) {
    setObjectName(QString::fromStdString(c.path()));
}

void DialogPicture::syncFromModel() {
    if (shown_ != control_.Picture) {
        shown_ = control_.Picture;
        setAccessibleDescription(shown_ == kPictureLightAllRight ? QStringLiteral("vert") : QString());
        update();
    }
    syncCommon(*this, control_);
}

void DialogPicture::paintEvent(QPaintEvent*) {
    if (shown_ != kPictureLightWaiting && shown_ != kPictureLightAllRight) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(width(), height()) - 2.0;
    const QRectF r((width() - side) / 2, (height() - side) / 2, side, side);
    const QColor lit = shown_ == kPictureLightAllRight ? QColor(40, 190, 60) : QColor(170, 170, 170);
    QRadialGradient glow(r.center() - QPointF(side * 0.15, side * 0.15), side * 0.6);
    glow.setColorAt(0, lit.lighter(160));
    glow.setColorAt(1, lit.darker(120));
    p.setBrush(glow);
    p.setPen(QPen(lit.darker(200), 1));
    p.drawEllipse(r);
}

} // namespace ondivel
