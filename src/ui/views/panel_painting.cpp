#include "ui/views/panel_painting.h"

#include <QPainter>
#include <QWidget>

namespace ondivel {

void paintPanelFace(QPainter& p, const QWidget& view, double zoom, QSizeF design, const QString& title) {
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(view.rect(), kPanelFace.darker(115));
    p.scale(zoom, zoom);
    const QRectF face(QPointF(0, 0), design);
    QLinearGradient brushed(face.topLeft(), face.bottomRight());
    brushed.setColorAt(0, kPanelFace.lighter(108));
    brushed.setColorAt(1, kPanelFace.darker(106));
    p.fillRect(face, brushed);
    const QRectF heading(0, 0, face.width(), 21);
    p.fillRect(heading, kPanelHeading);
    if (title.isEmpty()) return;
    p.save();
    QFont bold = p.font();
    bold.setPixelSize(10);
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(Qt::white);
    p.drawText(heading, Qt::AlignCenter, title);
    p.restore();
}

void paintEngravedFrame(QPainter& p, const QRectF& r, const QString& caption) {
    QFont small = p.font();
    small.setPixelSize(8);
    p.setFont(small);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 74, 82), 0.8));
    p.drawRoundedRect(r.adjusted(0, 5, 0, 0), 3, 3);
    const QRectF label(r.left() + 6, r.top(), QFontMetricsF(small).horizontalAdvance(caption) + 6, 10);
    p.fillRect(label, kPanelFace);
    p.setPen(kPanelInk);
    p.drawText(label, Qt::AlignCenter, caption);
}

} // namespace ondivel
