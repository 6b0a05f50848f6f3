#include "ui/surface/qt_surface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/surface/qt_drawing.h"
#include "ui/surface/tee_surface.h"

namespace ondivel {

namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;

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
    QImage background; // as copied; scaledBackground matches the picture's size
    mutable QImage scaledBackground;
    bool persistent = false;
    int drawWidth = 1;
    LineStyle drawStyle = LineStyle::Solid;
    QFont font;
    int pointer = 0;
    quint64 generation = 0;

    // Lines wait here until the pen changes or someone looks at the picture: one drawLines a run.
    mutable std::vector<QLineF> pending;
    mutable PenKey pendingPen{0, 1, LineStyle::Solid};

    void flush() const {
        if (pending.empty()) return;
        QImage& target = const_cast<QImage&>(image);
        QPainter p(&target);
        p.setRenderHint(QPainter::Antialiasing, true);
        QPen pen(toQColor(pendingPen.color));
        pen.setWidthF(penWidth(pendingPen.width));
        pen.setCosmetic(true);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::BevelJoin);
        pen.setStyle(toPenStyle(pendingPen.style));
        p.setPen(pen);
        p.drawLines(pending.data(), static_cast<int>(pending.size()));
        pending.clear();
    }

    double penWidth(int width) const { return std::max(1.0, std::round(std::max(1, width) * dpr)); }

    QPointF map(double x, double y) const {
        const double w = image.width(), h = image.height();
        return {(x - left) / (right - left) * w, (y - top) / (bottom - top) * h};
    }

    // Lines along an axis sit on whole pixels so the graticule stays sharp; slanted traces keep
    // their sub-pixel positions for antialiasing.
    double snap(double c, int width) const {
        const double w = penWidth(width);
        constexpr double kSlack = 1e-6; // 500 / 805 * 805 must still be pixel 500
        return static_cast<int>(w) % 2 == 1 ? std::floor(c + kSlack) + 0.5 : std::round(c);
    }

    void paintBackground() {
        pending.clear();
        image.fill(toQColor(backColor));
        if (background.isNull()) return;
        if (scaledBackground.size() != image.size())
            scaledBackground =
                background.size() == image.size()
                    ? background
                    : background.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QPainter p(&image);
        p.drawImage(0, 0, scaledBackground);
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
    d_->scaledBackground = QImage();
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
}

void QtSurface::clear() {
    d_->paintBackground();
    ++d_->generation;
}

void QtSurface::setBackColor(Color c) {
    d_->backColor = c;
}

void QtSurface::setBackgroundFrom(const Surface& source) {
    const QImage* picture = surfaceImage(&source);
    if (!picture || &source == this) return;
    d_->background = *picture; // implicitly shared: the graticule is not copied pixel by pixel
    d_->scaledBackground = QImage();
    d_->paintBackground();
    ++d_->generation;
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
    QPointF a = d_->map(x1, y1), b = d_->map(x2, y2);
    if (a.y() == b.y()) a.ry() = b.ry() = d_->snap(a.y(), pen.width);
    if (a.x() == b.x()) a.rx() = b.rx() = d_->snap(a.x(), pen.width);
    d_->pending.emplace_back(a, b);
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
    d_->flush();
    const QFontMetricsF fm(d_->font);
    QPainter p(&d_->image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(d_->font);
    p.setPen(toQColor(color));
    QPointF at = d_->map(x, y);
    for (const QString& l : textLines(text)) {
        p.drawText(QPointF(at.x(), at.y() + fm.ascent()), l);
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
