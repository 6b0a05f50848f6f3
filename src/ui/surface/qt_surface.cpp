#include "ui/surface/qt_surface.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

#include "core/column_spans.h"
#include "core/repeated_lines.h"
#include "ui/platform/picture_memory.h"
#include "ui/surface/qt_drawing.h"
#include "ui/surface/row_sources.h"
#include "ui/surface/span_painter.h"
#include "ui/surface/stroke_painter.h"
#include "ui/surface/tee_surface.h"
#include "ui/surface/vector_state.h"

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
    // For each row of `bare`, the first row equal to it: what a restore reads (see row_sources.h).
    mutable std::vector<int> bareRows;
    // Where the picture differs from `bare`; everything when bareShown is false. A clear does
    // not copy the bare picture back at once: what was drawn becomes `stale`, restored before
    // the next painting except where that painting covers it solidly anyway (a dense trace
    // redrawn in place, which would otherwise be copied and filled again at every refresh).
    mutable DirtyStrips dirty, stale;
    // The same for the long dashed rows and columns (the measurement cursors), kept apart as the
    // thin rectangles they are: in the strips, each column would cost a strip's width of
    // copying in every row of the screen, and each row would split the ranges of the traces.
    mutable std::vector<PixelRect> thinDirty, thinStale;
    bool bareShown = false;
    bool naive = false;
    bool persistent = false;
    int drawWidth = 1;
    LineStyle drawStyle = LineStyle::Solid;
    QFont font;
    int pointer = 0;
    quint64 generation = 0;

    // Lines wait here, in unsnapped device pixels, until someone looks at the picture: one run a
    // pen, so that a dense trace can be seen whole and reduced, and the runs of one refresh
    // together, so that a trace need not fill what a later one fills solid over it. Only the
    // first `runCount` runs are in use; the others keep their memory for the next refresh.
    // A text waits in order among the lines, as a run of its own.
    struct Text {
        QPointF at;
        QStringList lines;
        QFont font;
        QColor color;
    };
    struct Run {
        PenKey pen;
        std::vector<DeviceLine> lines;
        std::optional<Text> text;
    };
    mutable std::vector<Run> runs;
    mutable std::size_t runCount = 0;

    Run& newRun() {
        if (naive) flush(); // a plain QPainter user paints each pen's lines as they come
        if (runCount == runs.size()) runs.emplace_back();
        Run& run = runs[runCount++];
        run.lines.clear();
        run.text.reset();
        return run;
    }

    std::vector<DeviceLine>& runFor(const PenKey& pen) {
        if (runCount > 0 && !runs[runCount - 1].text && runs[runCount - 1].pen == pen)
            return runs[runCount - 1].lines;
        Run& run = newRun();
        run.pen = pen;
        return run.lines;
    }

    void dropRuns() const {
        for (std::size_t i = 0; i < runCount; ++i)
            runs[i].lines.clear();
        runCount = 0;
    }

    // Copies the bare picture back over the stale rectangles, but for the rows `cover` will
    // paint solid in every column of a rectangle.
    void settle(const SpanInk* cover = nullptr) const {
        if (!thinStale.empty()) restoreThin();
        if (stale.empty()) return;
        restoring.clear();
        // A rectangle continues one of the strip before with the same rows where it can: a flat
        // trace is then one wide rectangle rather than a strip's worth in every row.
        int stripX = -1;
        reaching.clear(); // the rectangles that reach the current strip's right edge
        auto restore = [&](int x0, int y0, int x1, int y1) {
            if (x0 != stripX) {
                ending.swap(reaching); // those of the strip before: they end where this one starts
                reaching.clear();
                stripX = x0;
            }
            for (std::size_t i : ending) {
                PixelRect& r = restoring[i];
                if (r.x1 == x0 && r.y0 == y0 && r.y1 == y1) {
                    r.x1 = x1;
                    reaching.push_back(i);
                    return;
                }
            }
            reaching.push_back(restoring.size());
            restoring.push_back({x0, y0, x1, y1});
        };
        stale.forEach([&](int x0, int y0, int x1, int y1) {
            const auto [solidTop, solidBottom] = cover ? cover->solidRows(x0, x1) : std::pair{0, 0};
            if (solidTop >= solidBottom || solidBottom <= y0 || y1 <= solidTop) {
                restore(x0, y0, x1, y1);
                return;
            }
            if (y0 < solidTop) restore(x0, y0, x1, solidTop);
            if (solidBottom < y1) restore(x0, solidBottom, x1, y1);
        });
        stale.clear();
        QImage& target = const_cast<QImage&>(image);
        if (bareRows.size() != static_cast<std::size_t>(bare.height())) bareRows = FirstEqualRows(bare);
        uchar* to = target.bits();
        const uchar* from = bare.constBits();
        const qsizetype line = target.bytesPerLine();
        forEachRowRun(restoring, [&](int y, int x0, int x1) {
            const qsizetype x = x0 * qsizetype(sizeof(QRgb));
            std::memcpy(to + y * line + x, from + bareRows[static_cast<std::size_t>(y)] * line + x,
                        static_cast<std::size_t>(x1 - x0) * sizeof(QRgb));
        });
    }
    void restoreThin() const {
        QImage& target = const_cast<QImage&>(image);
        if (bareRows.size() != static_cast<std::size_t>(bare.height())) bareRows = FirstEqualRows(bare);
        uchar* to = target.bits();
        const uchar* from = bare.constBits();
        const qsizetype line = target.bytesPerLine();
        for (const PixelRect& r : thinStale)
            for (int y = r.y0; y < r.y1; ++y) {
                const auto* source =
                    reinterpret_cast<const QRgb*>(from + bareRows[static_cast<std::size_t>(y)] * line);
                std::copy(source + r.x0, source + r.x1, reinterpret_cast<QRgb*>(to + y * line) + r.x0);
            }
        thinStale.clear();
    }
    // Kept for their memory.
    mutable std::vector<PixelRect> restoring;
    mutable std::vector<std::size_t> ending, reaching;

    // Paints the waiting runs in order; stale parts are restored under them (see settle).
    void flush() const {
        if (runCount == 0) return;
        QImage& target = const_cast<QImage&>(image);
        // Dense chains become spans first, so that each run knows what the later ones fill.
        struct Prepared {
            ReducedLines reduced;
            std::optional<SpanInk> ink;
        };
        std::vector<Prepared> prepared(runCount);
        std::vector<const SpanInk*> inks; // in painting order
        for (std::size_t i = 0; i < runCount; ++i) {
            const Run& run = runs[i];
            // Dashes must run on along the trace, so only solid pens give up their segments.
            if (naive || run.pen.style != LineStyle::Solid || run.lines.empty()) continue;
            const int w = static_cast<int>(penWidth(run.pen.width));
            // Half a pen at either end stays lines: the spans' ink then never reaches past the
            // trace's ends, where a flat-capped pen stops.
            prepared[i].reduced = ReduceDenseChains(run.lines, target.width(), w / 2);
            DropRepeatedLines(prepared[i].reduced.lines);
            prepared[i].ink.emplace(prepared[i].reduced.spans, w, target.size());
            if (!prepared[i].ink->empty()) inks.push_back(&*prepared[i].ink);
        }
        std::size_t inksPainted = 0;
        for (std::size_t i = 0; i < runCount; ++i) {
            const Run& run = runs[i];
            if (run.text) {
                settle(); // the background under the text
                paintText(*run.text);
                continue;
            }
            if (run.lines.empty()) continue;
            const int w = static_cast<int>(penWidth(run.pen.width));
            const QColor color = toQColor(run.pen.color);
            std::span<const DeviceLine> lines = run.lines;
            if (const std::optional<SpanInk>& ink = prepared[i].ink) {
                settle(&*ink);
                if (!ink->empty()) ++inksPainted;
                ink->paint(target, color.rgba(), dirty, std::span(inks).subspan(inksPainted));
                lines = prepared[i].reduced.lines;
            } else {
                settle();
            }
            if (!lines.empty()) paintLines(lines, run.pen, w, color);
        }
        dropRuns();
    }

    // The overlay measures and prints the same few texts in the same font at every refresh, and
    // shaping them again each time cost more than painting them: the metrics of the font and the
    // advances of its texts are kept until the font changes (a few dozen at most).
    struct Measures {
        static constexpr qsizetype kKept = 64;
        QFont font;
        std::optional<QFontMetricsF> metrics;
        QHash<QString, double> advances;

        const QFontMetricsF& of(const QFont& f) {
            if (!metrics || f != font) {
                font = f;
                metrics.emplace(f);
                advances.clear();
            }
            return *metrics;
        }
        double advance(const QFont& f, const QString& text) {
            const QFontMetricsF& fm = of(f);
            if (const auto it = advances.constFind(text); it != advances.constEnd()) return *it;
            if (advances.size() >= kKept) advances.clear();
            return advances[text] = fm.horizontalAdvance(text);
        }
    };
    mutable Measures measures;

    void paintText(const Text& text) const {
        const QFontMetricsF& fm = measures.of(text.font);
        QPainter p(const_cast<QImage*>(&image));
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setFont(text.font);
        p.setPen(text.color);
        QPointF at = text.at;
        for (const QString& l : text.lines) {
            p.drawText(QPointF(at.x(), at.y() + fm.ascent()), l);
            // Glyphs may overhang their advance a little on either side.
            const double overhang = fm.height() / 2;
            dirty.addRect(at.x() - overhang, at.y() - 1, at.x() + measures.advance(text.font, l) + overhang,
                          at.y() + fm.height() + 1);
            at.ry() += fm.height();
        }
        p.end();
        qtPainted();
    }

    // Antialiased lines, axis-aligned ones snapped to whole pixels: solid ones by the stroke
    // painter, dashed ones through Qt, whose dashes run on along a trace.
    void paintLines(std::span<const DeviceLine> lines, const PenKey& key, int w, const QColor& color) const {
        QImage& target = const_cast<QImage&>(image);
        snapped.clear();
        const double margin = w / 2.0 + 1; // the antialiased fringe, and a round end's ink
        QPen pen(color);
        pen.setCapStyle(Qt::FlatCap);
        pen.setStyle(toPenStyle(key.style));
        const QList<qreal> dashes = key.style != LineStyle::Solid ? pen.dashPattern() : QList<qreal>();
        auto joined = [](const DeviceLine& l, const DeviceLine& next) {
            return l.x2 == next.x1 && l.y2 == next.y1;
        };
        for (std::size_t i = 0; i < lines.size(); ++i) {
            DeviceLine l = lines[i];
            // A snapped line keeps its place in its chain: the ends it shared are still shared.
            const bool joinedBefore = i > 0 && joined(lines[i - 1], l);
            const bool joinedAfter = i + 1 < lines.size() && joined(l, lines[i + 1]);
            if (l.y1 == l.y2) l.y1 = l.y2 = snapToPixels(l.y1, w);
            if (l.x1 == l.x2) l.x1 = l.x2 = snapToPixels(l.x1, w);
            // Dashed rows and columns standing alone (the measurement cursors) are rectangles to
            // fill; the dashed segments of a trace stay Qt's, whose dashes run on along it.
            PixelRect painted{};
            if (!naive && !dashes.isEmpty() && !joinedBefore && !joinedAfter &&
                PaintAxisDashes(target, l.x1, l.y1, l.x2, l.y2, w,
                                std::span(dashes.constData(), dashes.size()), color.rgba(), painted)) {
                if (painted.x0 < painted.x1 && painted.y0 < painted.y1) thinDirty.push_back(painted);
                continue;
            }
            // Snapping may part a chain at a corner; the stroke painter must see it whole, its
            // rows and columns still snapped.
            if (joinedBefore && !snapped.empty() && !naive && dashes.isEmpty()) {
                DeviceLine& before = snapped.back();
                const double x = l.x1 == l.x2 ? l.x1 : before.x2, y = l.y1 == l.y2 ? l.y1 : before.y2;
                before.x2 = l.x1 = x;
                before.y2 = l.y1 = y;
            }
            snapped.push_back(l);
            dirty.addLine(l.x1, l.y1, l.x2, l.y2, margin);
        }
        if (snapped.empty()) return;
        if (!naive && dashes.isEmpty()) {
            strokes.paint(target, snapped, w, color.rgba());
            return;
        }
        std::vector<QLineF> qtLines;
        qtLines.reserve(snapped.size());
        for (const DeviceLine& l : snapped)
            qtLines.emplace_back(l.x1, l.y1, l.x2, l.y2);
        QPainter p(&target);
        p.setRenderHint(QPainter::Antialiasing, true);
        // Cosmetic: widths in device pixels whatever the scale. Wide pens still go through
        // drawLines with flat caps, which the raster engine strokes fastest.
        pen.setWidthF(w);
        pen.setCosmetic(true);
        pen.setJoinStyle(Qt::BevelJoin);
        p.setPen(pen);
        p.drawLines(qtLines.data(), static_cast<int>(qtLines.size()));
        p.end();
        qtPainted();
    }
    mutable std::vector<DeviceLine> snapped; // kept for its memory
    mutable StrokePainter strokes;

    // After Qt's fills and strokes (see vector_state.h); the naive way is left as a plain QPainter
    // user has it.
    void qtPainted() const {
        if (!naive) releaseUpperVectorState();
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
        dropRuns();
        if (bare.isNull()) {
            bare = allocateScreenImage(image.size(), QImage::Format_ARGB32_Premultiplied);
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
            qtPainted();
            bareRows.clear(); // worked out by the first restore: the naive way has none
            bareShown = false;
        }
        if (naive) {
            // As a plain QPainter user would: the colour, then the whole background over it.
            image.fill(toQColor(backColor));
            QPainter p(&image);
            p.drawImage(0, 0, bare);
            stale.reset(image.width(), image.height());
            thinStale.clear();
        } else if (!bareShown) {
            // Copied rather than shared: the first drawing would detach a shared picture into
            // memory of Qt's, without the large pages.
            if (!image.isDetached() || image.bytesPerLine() != bare.bytesPerLine())
                image = allocateScreenImage(bare.size(), bare.format());
            std::memcpy(image.bits(), bare.constBits(), static_cast<std::size_t>(bare.sizeInBytes()));
            stale.reset(image.width(), image.height());
            thinStale.clear();
        } else {
            // What was drawn since is restored by the next painting, or by image().
            stale.addAll(dirty);
            thinStale.insert(thinStale.end(), thinDirty.begin(), thinDirty.end());
        }
        dirty.reset(image.width(), image.height());
        thinDirty.clear();
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
    d_->dropRuns();
    d_->image = allocateScreenImage(pixels.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    d_->dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    d_->updateMapping();
    d_->forgetBare();
    d_->dirty.reset(d_->image.width(), d_->image.height());
    d_->stale.reset(d_->image.width(), d_->image.height());
    d_->thinDirty.clear();
    d_->thinStale.clear();
    d_->updateFontSize(d_->fontPoints);
    d_->image.fill(toQColor(d_->backColor));
    d_->qtPainted();
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
    std::vector<DeviceLine>& run = d_->runFor({color, d_->drawWidth, d_->drawStyle});
    const QPointF a = d_->map(x1, y1), b = d_->map(x2, y2);
    run.push_back(
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
    double widest = 0;
    for (const QString& l : textLines(text))
        widest = std::max(widest, d_->measures.advance(d_->font, l));
    return widest / d_->image.width() * std::abs(d_->right - d_->left);
}

double QtSurface::textHeight(const std::string& text) const {
    const double pixels = d_->measures.of(d_->font).height() * static_cast<double>(textLines(text).size());
    return pixels / d_->image.height() * std::abs(d_->top - d_->bottom);
}

void QtSurface::print(double x, double y, const std::string& text, Color color) {
    QPointF at = d_->map(x, y);
    // A text that far off shows nothing, and Qt's fixed-point text positions could not hold it.
    if (!(std::abs(at.x()) < kDeviceLimit && std::abs(at.y()) < kDeviceLimit)) return;
    d_->newRun().text = Impl::Text{at, textLines(text), d_->font, toQColor(color)};
    if (d_->naive) d_->flush();
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
