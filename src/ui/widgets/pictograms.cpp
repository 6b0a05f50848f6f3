#include "ui/widgets/pictograms.h"

#include <QPainter>
#include <QPainterPath>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace ondivel {

namespace {

// One period and a half of a waveform across `r`, as segments for drawLines.
QVector<QLineF> wave(Pictogram which, const QRectF& r) {
    QVector<QPointF> pts;
    const double top = r.top(), bottom = r.bottom(), mid = r.center().y(), w = r.width();
    switch (which) {
    case Pictogram::Sine:
        for (int i = 0; i <= 48; ++i) {
            const double t = i / 48.0;
            pts << QPointF(r.left() + t * w, mid - std::sin(t * 3 * std::numbers::pi) * (mid - top));
        }
        break;
    case Pictogram::Square:
        pts << QPointF(r.left(), mid) << QPointF(r.left(), top) << QPointF(r.left() + w / 3, top)
            << QPointF(r.left() + w / 3, bottom) << QPointF(r.left() + 2 * w / 3, bottom)
            << QPointF(r.left() + 2 * w / 3, top) << QPointF(r.right(), top) << QPointF(r.right(), mid);
        break;
    default:
        pts << QPointF(r.left(), mid) << QPointF(r.left() + w / 6, top) << QPointF(r.left() + w / 2, bottom)
            << QPointF(r.left() + 5 * w / 6, top) << QPointF(r.right(), mid);
        break;
    }
    QVector<QLineF> lines;
    for (int i = 1; i < pts.size(); ++i)
        lines << QLineF(pts[i - 1], pts[i]);
    return lines;
}

QPen pen(const QColor& ink, double width) {
    QPen p(ink, width);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

void battery(QPainter& p, const QRectF& r, const QColor& ink, const QString& label, double length) {
    // A cell lying down: longer for the bigger voltages, with its + stud.
    const double h = r.height() * 0.42;
    const double w = r.width() * length;
    const QRectF body(r.center().x() - w / 2, r.center().y() - h / 2, w, h);
    p.setPen(pen(ink, std::max(1.0, r.width() / 18)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body, h * 0.15, h * 0.15);
    p.setBrush(ink);
    p.drawRect(QRectF(body.right(), body.center().y() - h * 0.18, r.width() * 0.07, h * 0.36));
    QFont f = p.font();
    f.setPixelSize(std::max(6, static_cast<int>(h * 0.7)));
    f.setBold(true);
    p.setFont(f);
    p.drawText(body, Qt::AlignCenter, label);
}

} // namespace

void paintPictogram(QPainter& p, Pictogram which, const QRectF& r0, const QColor& ink) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(r0.width(), r0.height());
    const QRectF r(r0.center().x() - side / 2, r0.center().y() - side / 2, side, side);
    const double lw = std::max(1.0, side / 14);
    p.setPen(pen(ink, lw));
    p.setBrush(Qt::NoBrush);
    const QPointF c = r.center();

    switch (which) {
    case Pictogram::Sine:
    case Pictogram::Square:
    case Pictogram::Triangle: {
        // Waveforms use the whole width of their (wide) rectangle.
        const QRectF band = r0.adjusted(lw, r0.height() * 0.2, -lw, -r0.height() * 0.2);
        p.drawLines(wave(which, band));
        break;
    }
    case Pictogram::NoSource:
        // An open circuit: a crossed-out terminal.
        p.drawEllipse(c, side * 0.3, side * 0.3);
        p.drawLine(QPointF(r.left() + side * 0.15, r.bottom() - side * 0.15),
                   QPointF(r.right() - side * 0.15, r.top() + side * 0.15));
        break;
    case Pictogram::Generator: {
        // The generator's box with a sine on its screen and two terminals.
        const QRectF box = r.adjusted(side * 0.06, side * 0.16, -side * 0.06, -side * 0.16);
        p.drawRoundedRect(box, side * 0.06, side * 0.06);
        const QRectF screen = box.adjusted(side * 0.1, side * 0.1, -side * 0.1, -side * 0.3);
        p.setPen(pen(ink, lw * 0.8));
        p.drawLines(wave(Pictogram::Sine, screen));
        p.setBrush(ink);
        p.drawEllipse(QPointF(box.left() + box.width() * 0.3, box.bottom() - side * 0.12), lw, lw);
        p.drawEllipse(QPointF(box.left() + box.width() * 0.7, box.bottom() - side * 0.12), lw, lw);
        break;
    }
    case Pictogram::Supply: {
        // The DC source symbol: long and short plates, with a constant line above.
        const double x = c.x();
        p.drawLine(QPointF(x - side * 0.12, c.y() - side * 0.25),
                   QPointF(x - side * 0.12, c.y() + side * 0.25));
        p.setPen(pen(ink, lw * 1.8));
        p.drawLine(QPointF(x + side * 0.12, c.y() - side * 0.12),
                   QPointF(x + side * 0.12, c.y() + side * 0.12));
        p.setPen(pen(ink, lw));
        p.drawLine(QPointF(r.left() + side * 0.08, c.y()), QPointF(x - side * 0.12, c.y()));
        p.drawLine(QPointF(x + side * 0.12, c.y()), QPointF(r.right() - side * 0.08, c.y()));
        p.drawLine(QPointF(r.left() + side * 0.2, r.top() + side * 0.12),
                   QPointF(r.right() - side * 0.2, r.top() + side * 0.12));
        break;
    }
    case Pictogram::Battery15:
        battery(p, r, ink, QStringLiteral("1,5"), 0.56);
        break;
    case Pictogram::Battery45:
        battery(p, r, ink, QStringLiteral("4,5"), 0.72);
        break;
    case Pictogram::Battery9:
        battery(p, r, ink, QStringLiteral("9"), 0.82);
        break;
    case Pictogram::Mains: {
        // A two-pin plug with its cord.
        const QRectF body(c.x() - side * 0.22, c.y() - side * 0.12, side * 0.44, side * 0.3);
        p.drawRoundedRect(body, side * 0.05, side * 0.05);
        p.setPen(pen(ink, lw * 1.5));
        p.drawLine(QPointF(c.x() - side * 0.1, body.top()),
                   QPointF(c.x() - side * 0.1, r.top() + side * 0.1));
        p.drawLine(QPointF(c.x() + side * 0.1, body.top()),
                   QPointF(c.x() + side * 0.1, r.top() + side * 0.1));
        p.setPen(pen(ink, lw));
        p.drawLine(QPointF(c.x(), body.bottom()), QPointF(c.x(), r.bottom() - side * 0.05));
        break;
    }
    case Pictogram::Alternator: {
        // A bicycle wheel driving a small dynamo.
        const double wheel = side * 0.3;
        const QPointF hub(c.x() - side * 0.12, c.y());
        p.drawEllipse(hub, wheel, wheel);
        for (int i = 0; i < 6; ++i) {
            const double a = i * std::numbers::pi / 3;
            p.drawLine(hub, hub + QPointF(wheel * std::cos(a), wheel * std::sin(a)));
        }
        p.setBrush(ink);
        p.drawRoundedRect(QRectF(hub.x() + wheel, c.y() - side * 0.24, side * 0.16, side * 0.2), lw, lw);
        break;
    }
    case Pictogram::Harmonics: {
        // A spectrum: decreasing lines.
        const double base = r.bottom() - side * 0.12;
        for (int i = 0; i < 5; ++i) {
            const double x = r.left() + side * (0.18 + i * 0.16);
            p.drawLine(QPointF(x, base), QPointF(x, base - side * 0.72 / (i + 1)));
        }
        p.drawLine(QPointF(r.left() + side * 0.08, base), QPointF(r.right() - side * 0.08, base));
        break;
    }
    case Pictogram::Meter: {
        // A meter face with its needle.
        const QRectF box = r.adjusted(side * 0.1, side * 0.1, -side * 0.1, -side * 0.1);
        p.drawRoundedRect(box, side * 0.06, side * 0.06);
        QPainterPath arc;
        const QRectF dial(box.left() + box.width() * 0.12, box.top() + box.height() * 0.22,
                          box.width() * 0.76, box.height() * 0.9);
        arc.arcMoveTo(dial, 150);
        arc.arcTo(dial, 150, -120);
        p.drawPath(arc);
        p.drawLine(QPointF(dial.center().x(), dial.center().y()),
                   QPointF(dial.center().x() + box.width() * 0.22, box.top() + box.height() * 0.3));
        break;
    }
    case Pictogram::Stopwatch: {
        const double rad = side * 0.33;
        const QPointF centre(c.x(), c.y() + side * 0.06);
        p.drawEllipse(centre, rad, rad);
        p.drawLine(QPointF(c.x(), centre.y() - rad), QPointF(c.x(), centre.y() - rad - side * 0.1));
        p.drawLine(QPointF(c.x() - side * 0.08, centre.y() - rad - side * 0.1),
                   QPointF(c.x() + side * 0.08, centre.y() - rad - side * 0.1));
        p.drawLine(centre, centre + QPointF(rad * 0.5, -rad * 0.55));
        break;
    }
    case Pictogram::Calculator: {
        const QRectF box = r.adjusted(side * 0.2, side * 0.08, -side * 0.2, -side * 0.08);
        p.drawRoundedRect(box, side * 0.05, side * 0.05);
        p.drawRect(QRectF(box.left() + box.width() * 0.15, box.top() + box.height() * 0.1, box.width() * 0.7,
                          box.height() * 0.2));
        p.setBrush(ink);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                p.drawEllipse(QPointF(box.left() + box.width() * (0.25 + col * 0.25),
                                      box.top() + box.height() * (0.48 + row * 0.17)),
                              lw * 0.6, lw * 0.6);
        break;
    }
    }
    p.restore();
}

} // namespace ondivel
