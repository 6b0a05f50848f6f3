#include "ui/surface/span_painter.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace ondivel {

namespace {

// A snapped row, kept within a pixel of the picture so that wild heights cannot overflow an int.
int rowOf(double y, int height) {
    return static_cast<int>(std::clamp(std::round(y), -1.0, static_cast<double>(height) + 1));
}

// `color` over the pixel at `alpha` (0 to 1), as an antialiased edge covering that much of it.
void blend(QRgb& pixel, QRgb color, double alpha) {
    const int a = static_cast<int>(std::lround(std::clamp(alpha, 0.0, 1.0) * 255));
    auto mix = [a](int src, int dst) { return (src * a + dst * (255 - a) + 127) / 255; };
    pixel = qRgba(mix(qRed(color), qRed(pixel)), mix(qGreen(color), qGreen(pixel)),
                  mix(qBlue(color), qBlue(pixel)), mix(255, qAlpha(pixel)));
}

} // namespace

bool PaintAxisDashes(QImage& image, double x1, double y1, double x2, double y2, int width,
                     std::span<const double> pattern, QRgb color, PixelRect& painted) {
    const bool horizontal = y1 == y2 && x1 != x2, vertical = x1 == x2 && y1 != y2;
    if (!horizontal && !vertical) return false;
    if (pattern.empty() || width < 1 || image.depth() != 32) return false;
    // Across: whole pixels, as snapToPixels leaves an axis-aligned line.
    const double middle = horizontal ? y1 : x1;
    const double first = middle - width / 2.0;
    if (first != std::floor(first)) return false;
    const double from = horizontal ? x1 : y1, to = horizontal ? x2 : y2;
    const double length = std::abs(to - from), direction = to > from ? 1 : -1;
    if (!std::isfinite(from) || !std::isfinite(length)) return false;
    double period = 0;
    for (double d : pattern)
        period += d * width;
    // Qt strokes a thin pen its own way, and draws a line of very many dashes solid; a line
    // that repeats its pattern more often than any on a screen is left to it as well, so that
    // the walk along the dashes stays short.
    constexpr double kPeriods = 1000;
    if (width < 2 || !(period > 0) || length > kPeriods * period) return false;
    const int across = image.height(), along = image.width();
    const int lineFirst = static_cast<int>(first);
    const int rows0 = std::max(lineFirst, 0),
              rows1 = std::min(lineFirst + width, horizontal ? across : along);
    const int limit = horizontal ? along : across;
    painted = {0, 0, 0, 0};
    if (rows0 >= rows1) return true;
    uchar* const bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    auto row = [&](int y) { return reinterpret_cast<QRgb*>(bits + y * bytesPerLine); };
    // Pixel a along the line, `cover` of it inked, in every pixel across.
    auto partial = [&](int a, double cover) {
        if (horizontal)
            for (int c = rows0; c < rows1; ++c)
                blend(row(c)[a], color, cover);
        else
            for (int c = rows0; c < rows1; ++c)
                blend(row(a)[c], color, cover);
    };
    // Pixels [a0, a1) along the line, solid.
    auto solid = [&](int a0, int a1) {
        if (horizontal)
            for (int c = rows0; c < rows1; ++c)
                std::fill(row(c) + a0, row(c) + a1, color);
        else
            for (int a = a0; a < a1; ++a)
                std::fill(row(a) + rows0, row(a) + rows1, color);
    };
    int inkFrom = limit, inkTo = 0;
    // The piece [p0, p1) of the axis, pixel a covering [a, a + 1).
    auto fill = [&](double p0, double p1) {
        p0 = std::max(p0, 0.0);
        p1 = std::min(p1, static_cast<double>(limit));
        if (!(p0 < p1)) return;
        // Both ends are within [0, limit] here: truncation is the floor (and cheaper than a
        // call of floor at each of the hundreds of dashes).
        const int a0 = static_cast<int>(p0), whole1 = static_cast<int>(p1);
        const int whole0 = a0 + (a0 < p0), a1 = whole1 + (whole1 < p1);
        inkFrom = std::min(inkFrom, a0);
        inkTo = std::max(inkTo, a1);
        if (whole0 > whole1) { // within one pixel
            partial(a0, p1 - p0);
            return;
        }
        if (a0 < whole0) partial(a0, whole0 - p0);
        solid(whole0, whole1);
        if (whole1 < a1) partial(whole1, p1 - whole1);
    };
    // Dashes at the even places of the pattern, from the start point onwards.
    double at = 0;
    for (std::size_t k = 0; at < length; k = (k + 1) % pattern.size()) {
        const double next = std::min(length, at + pattern[k] * width);
        if (k % 2 == 0) {
            const double p0 = from + direction * at, p1 = from + direction * next;
            fill(std::min(p0, p1), std::max(p0, p1));
        }
        at = next;
    }
    // The gaps between the dashes are counted in: they hold the bare picture anyway.
    if (inkFrom < inkTo)
        painted =
            horizontal ? PixelRect{inkFrom, rows0, inkTo, rows1} : PixelRect{rows0, inkFrom, rows1, inkTo};
    return true;
}

SpanInk::SpanInk(std::span<const ColumnSpan> spans, int width, QSize picture)
    : picture_(picture), solidTop_(static_cast<std::size_t>(std::max(0, picture.width())), INT_MAX),
      solidBottom_(static_cast<std::size_t>(std::max(0, picture.width())), INT_MIN) {
    const int w = std::max(1, width);
    const int before = (w - 1) / 2; // pen columns left of the span's own
    const double half = w / 2.0;
    const int height = picture.height();
    std::size_t i = 0;
    while (i < spans.size()) {
        std::size_t end = i + 1;
        while (end < spans.size() && spans[end].column == spans[end - 1].column + 1)
            ++end;
        Band band{spans[i].column - before, {}};
        band.ink.resize(static_cast<std::size_t>(spans[end - 1].column - spans[i].column + w));
        for (std::size_t k = i; k < end; ++k) {
            const ColumnSpan& s = spans[k];
            const int inkTop = rowOf(snapToPixels(s.top, w) - half, height);
            const int inkBottom = rowOf(snapToPixels(s.bottom, w) + half, height);
            const int coreTop = std::clamp(rowOf(std::floor(s.top), height), inkTop, inkBottom);
            const int coreBottom = std::clamp(rowOf(std::floor(s.bottom) + 1, height), inkTop, inkBottom);
            const auto first = static_cast<std::size_t>(s.column - before - band.x0);
            for (std::size_t c = first; c < first + static_cast<std::size_t>(w); ++c) {
                ColumnInk& column = band.ink[c];
                if (coreTop < column.coreTop) column.topAlpha = 0;
                if (coreTop <= column.coreTop) column.topAlpha = std::max(column.topAlpha, s.topShare);
                if (coreBottom > column.coreBottom) column.bottomAlpha = 0;
                if (coreBottom >= column.coreBottom)
                    column.bottomAlpha = std::max(column.bottomAlpha, s.bottomShare);
                column.inkTop = std::min(column.inkTop, inkTop);
                column.coreTop = std::min(column.coreTop, coreTop);
                column.coreBottom = std::max(column.coreBottom, coreBottom);
                column.inkBottom = std::max(column.inkBottom, inkBottom);
            }
        }
        // The solid rows of each picture column; where bands overlap without touching, one
        // band's rows are enough: solidRows() may claim less than is painted, never more.
        const int left = std::max(band.x0, 0);
        const int right = std::min(band.x0 + static_cast<int>(band.ink.size()), picture.width());
        for (int x = left; x < right; ++x) {
            const ColumnInk& column = band.ink[static_cast<std::size_t>(x - band.x0)];
            int& top = solidTop_[static_cast<std::size_t>(x)];
            int& bottom = solidBottom_[static_cast<std::size_t>(x)];
            if (top >= bottom) {
                top = column.coreTop;
                bottom = column.coreBottom;
            } else if (column.coreTop <= bottom && top <= column.coreBottom) {
                top = std::min(top, column.coreTop);
                bottom = std::max(bottom, column.coreBottom);
            }
        }
        bands_.push_back(std::move(band));
        i = end;
    }
}

std::pair<int, int> SpanInk::solidRows(int x0, int x1) const {
    int top = INT_MIN, bottom = INT_MAX;
    for (int x = std::max(x0, 0); x < std::min(x1, picture_.width()); ++x) {
        top = std::max(top, solidTop_[static_cast<std::size_t>(x)]);
        bottom = std::min(bottom, solidBottom_[static_cast<std::size_t>(x)]);
    }
    top = std::max(top, 0);
    bottom = std::min(bottom, picture_.height());
    // No row solid in every column: an empty cover, never a range whose length overflows.
    if (top >= bottom) return {0, 0};
    return {top, bottom};
}

void SpanInk::paint(QImage& image, QRgb color, DirtyStrips& dirty,
                    std::span<const SpanInk* const> paintedOver) const {
    if (bands_.empty() || image.size() != picture_) return; // untouched: a shared picture stays shared
    const int pictureWidth = image.width(), pictureHeight = image.height();
    uchar* const bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    auto pixel = [&](int x, int y) -> QRgb& { return reinterpret_cast<QRgb*>(bits + y * bytesPerLine)[x]; };
    // [top, bottom) in every column, but for [coverTop, coverBottom), which a later ink fills.
    struct Run {
        int x, length, top, bottom;
        int coverTop = 0, coverBottom = 0;
    };
    std::vector<Run> runs;
    std::vector<QRgb> solidRow;
    for (const Band& band : bands_) {
        // Neighbouring columns with the same rows make one run, filled a row at a time: a fast
        // square wave is a single rectangle.
        runs.clear();
        int rowMin = INT_MAX, rowMax = INT_MIN;
        const int left = std::max(band.x0, 0);
        const int right = std::min(band.x0 + static_cast<int>(band.ink.size()), pictureWidth);
        for (int x = left; x < right; ++x) {
            const ColumnInk& column = band.ink[static_cast<std::size_t>(x - band.x0)];
            const int t = std::max(column.coreTop, 0), b = std::min(column.coreBottom, pictureHeight);
            if (t >= b) continue;
            rowMin = std::min(rowMin, t);
            rowMax = std::max(rowMax, b);
            if (!runs.empty() && runs.back().x + runs.back().length == x && runs.back().top == t &&
                runs.back().bottom == b)
                ++runs.back().length;
            else
                runs.push_back({x, 1, t, b});
        }
        for (Run& r : runs)
            for (const SpanInk* later : paintedOver) {
                const auto [coverTop, coverBottom] = later->solidRows(r.x, r.x + r.length);
                if (coverBottom - coverTop > r.coverBottom - r.coverTop) {
                    r.coverTop = coverTop;
                    r.coverBottom = coverBottom;
                }
            }
        // Copied from a row of the colour: memcpy stores whole vectors where a fill loop, at
        // this optimisation level, stores one pixel at a time.
        if (solidRow.empty()) solidRow.assign(static_cast<std::size_t>(pictureWidth), color);
        for (int y = rowMin; y < rowMax; ++y) {
            QRgb* row = &pixel(0, y);
            for (const Run& r : runs)
                if (r.top <= y && y < r.bottom && !(r.coverTop <= y && y < r.coverBottom))
                    std::memcpy(row + r.x, solidRow.data(),
                                static_cast<std::size_t>(r.length) * sizeof(QRgb));
        }
        for (int x = left; x < right; ++x) {
            const ColumnInk& column = band.ink[static_cast<std::size_t>(x - band.x0)];
            for (int y = std::max(column.inkTop, 0); y < std::min(column.coreTop, pictureHeight); ++y)
                blend(pixel(x, y), color, column.topAlpha);
            for (int y = std::max(column.coreBottom, 0); y < std::min(column.inkBottom, pictureHeight); ++y)
                blend(pixel(x, y), color, column.bottomAlpha);
            dirty.addRect(x, column.inkTop, x + 1, column.inkBottom);
        }
    }
}

} // namespace ondivel
