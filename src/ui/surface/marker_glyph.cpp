#include "ui/surface/marker_glyph.h"

#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <algorithm>

namespace ondivel {

bool isMarkerFont(const QString& family) {
    return family.compare(QLatin1String("Wingdings"), Qt::CaseInsensitive) == 0;
}

bool isMarkerGlyph(QChar glyph) {
    return QStringLiteral("ulotn").contains(glyph);
}

void paintMarkerGlyph(QPainter& painter, QChar glyph, QPointF centre, qreal size, const QColor& color) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    const qreal r = size / 2;
    const auto diamond = [&](qreal halfWidth, qreal halfHeight) {
        painter.drawPolygon(QPolygonF({centre + QPointF(0, -halfHeight), centre + QPointF(halfWidth, 0),
                                       centre + QPointF(0, halfHeight), centre + QPointF(-halfWidth, 0)}));
    };
    switch (glyph.unicode()) {
    case 'u': // black diamond
        diamond(0.75 * r, 0.75 * r);
        break;
    case 't': // small black lozenge
        diamond(0.45 * r, 0.7 * r);
        break;
    case 'l': // black disc
        painter.drawEllipse(centre, 0.65 * r, 0.65 * r);
        break;
    case 'n': // black square
        painter.drawRect(QRectF(centre - QPointF(0.55 * r, 0.55 * r), QSizeF(1.1 * r, 1.1 * r)));
        break;
    case 'o': { // white square with a black outline
        QPen pen(color, std::max<qreal>(1, size / 12));
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(centre - QPointF(0.55 * r, 0.55 * r), QSizeF(1.1 * r, 1.1 * r)));
        break;
    }
    default:
        break;
    }
    painter.restore();
}

} // namespace ondivel
