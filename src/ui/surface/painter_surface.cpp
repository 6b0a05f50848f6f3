#include "ui/surface/painter_surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "ui/surface/marker_glyph.h"
#include "ui/surface/qt_drawing.h"

namespace ondivel {

namespace {

// A pen of width 1 is this many inches on paper (about 0.17 mm): thin, yet not a hairline.
constexpr double kPenInches = 1.0 / 150;

} // namespace

PainterSurface::PainterSurface(QPainter& painter, const QRectF& area) : painter_(painter), area_(area) {
    font_.setStyleHint(QFont::SansSerif);
    font_.setPointSizeF(points_);
    setScale(0, 0, area.width(), area.height());
}

PainterSurface::~PainterSurface() {
    if (painter_.isActive()) flush();
}

void PainterSurface::setScale(double left, double top, double right, double bottom) {
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
    const double w = std::abs(right - left), h = std::abs(top - bottom);
    unit_ = std::min(area_.width() / w, area_.height() / h);
    origin_ = QPointF(area_.center().x() - unit_ * w / 2, area_.top());
}

QPointF PainterSurface::toDevice(double x, double y) const {
    const double sx = right_ >= left_ ? 1 : -1;
    const double sy = bottom_ >= top_ ? 1 : -1;
    return origin_ + QPointF(sx * (x - left_) * unit_, sy * (y - top_) * unit_);
}

QPen PainterSurface::pen(Color color) const {
    const double dpi = painter_.device()->logicalDpiX();
    QPen p(toQColor(color));
    p.setWidthF(std::max(1.0, pendingWidth_ * kPenInches * dpi));
    p.setStyle(toPenStyle(pendingStyle_));
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::RoundJoin);
    p.setCosmetic(true);
    return p;
}

void PainterSurface::line(double x1, double y1, double x2, double y2, Color color) {
    const QPointF a = toDevice(x1, y1), b = toDevice(x2, y2);
    const bool samePen = color == pendingColor_ && drawWidth_ == pendingWidth_ && drawStyle_ == pendingStyle_;
    if (!pending_.isEmpty() && samePen && pending_.last() == a) {
        pending_.append(b);
        return;
    }
    flush();
    pendingColor_ = color;
    pendingWidth_ = drawWidth_;
    pendingStyle_ = drawStyle_;
    pending_ << a << b;
}

void PainterSurface::flush() {
    if (pending_.isEmpty()) return;
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setPen(pen(pendingColor_));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolyline(pending_);
    pending_.clear();
}

void PainterSurface::setFont(const std::string& name, double points) {
    font_.setFamily(QString::fromStdString(name));
    font_.setPointSizeF(points);
    points_ = points;
}

bool PainterSurface::markerFont() const {
    return isMarkerFont(font_.family());
}

double PainterSurface::markerEm() const {
    return points_ / 72.0 * painter_.device()->logicalDpiY();
}

double PainterSurface::textWidth(const std::string& text) const {
    if (markerFont()) return markerEm() * static_cast<double>(QString::fromStdString(text).size()) / unit_;
    const QFontMetricsF fm(font_, painter_.device());
    return fm.horizontalAdvance(QString::fromStdString(text)) / unit_;
}

double PainterSurface::textHeight(const std::string&) const {
    if (markerFont()) return markerEm() / unit_;
    const QFontMetricsF fm(font_, painter_.device());
    return fm.height() / unit_;
}

void PainterSurface::print(double x, double y, const std::string& text, Color color) {
    flush();
    const QString s = QString::fromStdString(text);
    const QPointF at = toDevice(x, y);
    if (markerFont()) {
        const double em = markerEm();
        for (qsizetype i = 0; i < s.size(); ++i)
            paintMarkerGlyph(painter_, s[i], at + QPointF((static_cast<double>(i) + 0.5) * em, em / 2), em,
                             toQColor(color));
        return;
    }
    painter_.setFont(font_);
    painter_.setPen(toQColor(color));
    const QFontMetricsF fm(font_, painter_.device());
    painter_.drawText(at + QPointF(0, fm.ascent()), s);
}

} // namespace ondivel
