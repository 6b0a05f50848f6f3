#include "ui/surface/qt_surface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "core/column_spans.h"
#include "core/repeated_lines.h"
#include "ui/surface/qt_drawing.h"
#include "ui/surface/span_painter.h"
#include "ui/surface/tee_surface.h"

namespace ondivel {

namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;

// Device pixels the painting takes at full precision, far past any picture: the trace a panel
// can set stays within a few hundred thousand, and Qt's fixed-point text and rasteriser are
// exact here. Whatever lies beyond (a voltage no screen shows) is held to it; NaN is 0.
constexpr double kDeviceLimit = 1 << 22;

double deviceCoordinate(double c) {
    return std::isnan(c) ? 0 : std::clamp(c, -kDeviceLimit, kDeviceLimit);
}

QStringList textLines(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return s.split(QLatin1Char('\n'));
}

// The pen a run of lines shares; a change of any part ends the run.
struct PenKey {
    Color color;
    int width;
    LineStyle style;
    bool operator==(const PenKey&) const = default;
};

} // namespace

struct QtSurface::Impl {
    QImage image;
    qreal dpr = 1.0;
    double left = 0, top = 0, right = 1, bottom = 1;
    Color backColor = kWhite;
    QImage background; // as copied from the other surface
    // The background colour under the background scaled to the picture: what clear() shows.
    QImage bare;
    // Where the picture differs from `bare`; everything when bareShown is false. A clear does
    // not copy the bare picture back at once: what was drawn becomes `stale`, restored before
    // the next painting except where that painting covers it solidly anyway (a dense trace
    // redrawn in place, which would otherwise be copied and filled again at every refresh).
    mutable DirtyStrips dirty, stale;
    bool bareShown = false;
    bool naive = false;
    bool persistent = false;
    int drawWidth = 1;
    LineStyle drawStyle = LineStyle::Solid;
    QFont font;
    int pointer = 0;
    quint64 generation = 0;

    // Lines wait here, in unsnapped device pixels, until the pen changes or someone looks at the
    // picture: one painting a run, so that a dense trace can be seen whole and reduced.
    mutable std::vector<DeviceLine> pending;
    mutable PenKey pendingPen{0, 1, LineStyle::Solid};

    // Copies the bare picture back over the stale rectangles, but for the rows `cover` will
    // paint solid in every column of a rectangle.
    void settle(const SpanInk* cover = nullptr) const {
        if (stale.empty()) return;
        QImage& target = const_cast<QImage&>(image);
        const auto* from = reinterpret_cast<const QRgb*>(bare.constBits());
        auto* to = reinterpret_cast<QRgb*>(target.bits());
        const qsizetype line = target.bytesPerLine() / qsizetype(sizeof(QRgb));
        // A strip's row is a few pixels: plain assignments rather than a call to memcpy each.
        auto copy = [&](int x0, int y0, int x1, int y1) {
            for (qsizetype at = y0 * line; at < y1 * line; at += line)
                for (qsizetype x = at + x0; x < at + x1; ++x)
                    to[x] = from[x];
        };
        stale.forEach([&](int x0, int y0, int x1, int y1) {
            const auto [solidTop, solidBottom] = cover ? cover->solidRows(x0, x1) : std::pair{0, 0};
            if (solidTop >= solidBottom || solidBottom <= y0 || y1 <= solidTop) {
                copy(x0, y0, x1, y1);
                return;
            }
            copy(x0, y0, x1, std::max(y0, solidTop));
            copy(x0, std::min(y1, solidBottom), x1, y1);
        });
        stale.clear();
    }

    // Paints the waiting lines; stale parts are restored under them (see settle).
    void flush() const {
        if (pending.empty()) return;
        QImage& target = const_cast<QImage&>(image);
        const int w = static_cast<int>(penWidth(pendingPen.width));
        const QColor color = toQColor(pendingPen.color);
        std::span<const DeviceLine> lines = pending;
        ReducedLines reduced;
        // Dashes must run on along the trace, so only solid pens give up their segments.
        if (!naive && pendingPen.style == LineStyle::Solid) {
            // Half a pen at either end stays lines: the spans' ink then never reaches past the
            // trace's ends, where a flat-capped pen stops.
            reduced = ReduceDenseChains(pending, target.width(), w / 2);
            DropRepeatedLines(reduced.lines);
            const SpanInk ink(reduced.spans, w, target.size());
            settle(&ink);
            ink.paint(target, color.rgba(), dirty);
            lines = reduced.lines;
        } else {
            settle();
        }
        if (!lines.empty()) {
            std::vector<QLineF> snapped;
            snapped.reserve(lines.size());
            const double margin = w / 2.0 + 1; // the antialiased fringe
            for (const DeviceLine& l : lines) {
                QPointF a(l.x1, l.y1), b(l.x2, l.y2);
                if (a.y() == b.y()) a.ry() = b.ry() = snapToPixels(a.y(), w);
                if (a.x() == b.x()) a.rx() = b.rx() = snapToPixels(a.x(), w);
                snapped.emplace_back(a, b);
                dirty.addLine(a.x(), a.y(), b.x(), b.y(), margin);
            }
            QPainter p(&target);
            p.setRenderHint(QPainter::Antialiasing, true);
            // Cosmetic: widths in device pixels whatever the scale. Wide pens still go through
            // drawLines with flat caps, which the raster engine strokes fastest.
            QPen pen(color);
            pen.setWidthF(w);
            pen.setCosmetic(true);
            pen.setCapStyle(Qt::FlatCap);
            pen.setJoinStyle(Qt::BevelJoin);
            pen.setStyle(toPenStyle(pendingPen.style));
            p.setPen(pen);
            p.drawLines(snapped.data(), static_cast<int>(snapped.size()));
        }
        pending.clear();
    }

    double penWidth(int width) const { return std::max(1.0, std::round(std::max(1, width) * dpr)); }

    QPointF map(double x, double y) const { return {(x - left) * xPixels, (y - top) * yPixels}; }
    // Device pixels per user unit, kept up to date with the scale and the size.
    double xPixels = 1, yPixels = 1;
    void updateMapping() {
        xPixels = image.width() / (right - left);
        yPixels = image.height() / (bottom - top);
    }

    // The bare picture is rebuilt only when the colour, the background or the size changes.
    void forgetBare() {
        bare = QImage();
        bareShown = false;
    }

    void paintBackground() {
        pending.clear();
        if (bare.isNull()) {
            bare = QImage(image.size(), QImage::Format_ARGB32_Premultiplied);
            bare.fill(toQColor(backColor));
            if (!background.isNull()) {
                QPainter p(&bare);
                if (background.size() == bare.size())
                    p.drawImage(0, 0, background);
                else
                    p.drawImage(
                        0, 0,
                        background.scaled(bare.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            }
            bareShown = false;
        }
        if (naive) {
            // As a plain QPainter user would: the colour, then the whole background over it.
            image.fill(toQColor(backColor));
            QPainter p(&image);
            p.drawImage(0, 0, bare);
            stale.reset(image.width(), image.height());
        } else if (!bareShown) {
            image = bare; // shared until the first drawing detaches it
            stale.reset(image.width(), image.height());
        } else {
            // What was drawn since is restored by the next painting, or by image().
            stale.addAll(dirty);
        }
        dirty.reset(image.width(), image.height());
        bareShown = true;
    }

    void updateFontSize(double points) {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * kPixelsPerPoint * dpr))));
    }
    double fontPoints = 8;
};

QtSurface::QtSurface(QSize pixels, qreal devicePixelRatio) : d_(new Impl) {
    d_->font.setStyleHint(QFont::SansSerif);
    d_->font.setFamily(QStringLiteral("Arial"));
    resizePixels(pixels, devicePixelRatio);
}

QtSurface::~QtSurface() {
    delete d_;
}

void QtSurface::resizePixels(QSize pixels, qreal devicePixelRatio) {
    d_->pending.clear();
    d_->image = QImage(pixels.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    d_->dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    d_->updateMapping();
    d_->forgetBare();
    d_->dirty.reset(d_->image.width(), d_->image.height());
    d_->stale.reset(d_->image.width(), d_->image.height());
    d_->updateFontSize(d_->fontPoints);
    d_->image.fill(toQColor(d_->backColor));
    ++d_->generation;
}

QSize QtSurface::pixelSize() const {
    return d_->image.size();
}
qreal QtSurface::devicePixelRatio() const {
    return d_->dpr;
}

const QImage& QtSurface::image() const {
    d_->flush();
    d_->settle();
    return d_->image;
}

quint64 QtSurface::generation() const {
    return d_->generation;
}

QPointF QtSurface::toDevice(double x, double y) const {
    return d_->map(x, y);
}

void QtSurface::setScale(double left, double top, double right, double bottom) {
    if (right == left || top == bottom) return; // a degenerate scale would divide by zero
    d_->flush();
    d_->left = left;
    d_->top = top;
    d_->right = right;
    d_->bottom = bottom;
    d_->updateMapping();
}

void QtSurface::clear() {
    d_->paintBackground();
    ++d_->generation;
}

void QtSurface::setBackColor(Color c) {
    if (c != d_->backColor) d_->forgetBare();
    d_->backColor = c;
}

void QtSurface::setBackgroundFrom(const Surface& source) {
    const QImage* picture = surfaceImage(&source);
    if (!picture || &source == this) return;
    // Every refresh takes the graticule again; only a changed one costs a new bare picture.
    // (Any change to the source's image detaches it from our shared copy and so changes its key.)
    if (picture->cacheKey() != d_->background.cacheKey() || d_->naive) {
        d_->background = *picture; // implicitly shared: the graticule is not copied pixel by pixel
        d_->forgetBare();
    }
    d_->paintBackground();
    ++d_->generation;
}

void QtSurface::setNaivePainting(bool on) {
    d_->flush();
    d_->settle();
    d_->naive = on;
    d_->forgetBare();
}

void QtSurface::setPersistent(bool on) {
    d_->persistent = on;
}

void QtSurface::setDrawWidth(int pixels) {
    d_->drawWidth = pixels;
}

void QtSurface::setDrawStyle(LineStyle style) {
    d_->drawStyle = style;
}

void QtSurface::line(double x1, double y1, double x2, double y2, Color color) {
    const PenKey pen{color, d_->drawWidth, d_->drawStyle};
    if (!(pen == d_->pendingPen)) {
        d_->flush();
        d_->pendingPen = pen;
    }
    const QPointF a = d_->map(x1, y1), b = d_->map(x2, y2);
    d_->pending.push_back(
        {deviceCoordinate(a.x()), deviceCoordinate(a.y()), deviceCoordinate(b.x()), deviceCoordinate(b.y())});
    ++d_->generation;
}

void QtSurface::setFont(const std::string& name, double points) {
    // Without the named family, fontconfig falls back to the sans-serif hint.
    d_->font.setFamily(QString::fromStdString(name));
    d_->font.setStyleHint(QFont::SansSerif);
    d_->fontPoints = points;
    d_->updateFontSize(points);
}

double QtSurface::textWidth(const std::string& text) const {
    const QFontMetricsF fm(d_->font);
    double widest = 0;
    for (const QString& l : textLines(text))
        widest = std::max(widest, fm.horizontalAdvance(l));
    return widest / d_->image.width() * std::abs(d_->right - d_->left);
}

double QtSurface::textHeight(const std::string& text) const {
    const QFontMetricsF fm(d_->font);
    const double pixels = fm.height() * static_cast<double>(textLines(text).size());
    return pixels / d_->image.height() * std::abs(d_->top - d_->bottom);
}

void QtSurface::print(double x, double y, const std::string& text, Color color) {
    QPointF at = d_->map(x, y);
    // A text that far off shows nothing, and Qt's fixed-point text positions could not hold it.
    if (!(std::abs(at.x()) < kDeviceLimit && std::abs(at.y()) < kDeviceLimit)) return;
    d_->flush();
    d_->settle(); // the background under the text
    const QFontMetricsF fm(d_->font);
    QPainter p(&d_->image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(d_->font);
    p.setPen(toQColor(color));
    for (const QString& l : textLines(text)) {
        p.drawText(QPointF(at.x(), at.y() + fm.ascent()), l);
        // Glyphs may overhang their advance a little on either side.
        const double overhang = fm.height() / 2;
        d_->dirty.addRect(at.x() - overhang, at.y() - 1, at.x() + fm.horizontalAdvance(l) + overhang,
                          at.y() + fm.height() + 1);
        at.ry() += fm.height();
    }
    ++d_->generation;
}

void QtSurface::setMousePointer(int pointer) {
    if (pointer == d_->pointer) return;
    d_->pointer = pointer;
    ++d_->generation;
}

int QtSurface::mousePointer() const {
    return d_->pointer;
}

QtSurface* qtSurfaceOf(Surface* surface) {
    if (auto* qt = dynamic_cast<QtSurface*>(surface)) return qt;
    if (auto* tee = dynamic_cast<TeeSurface*>(surface)) return &tee->painted();
    return nullptr;
}

const QImage* surfaceImage(const Surface* surface) {
    if (const QtSurface* qt = qtSurfaceOf(const_cast<Surface*>(surface))) return &qt->image();
    return nullptr;
}

} // namespace ondivel
