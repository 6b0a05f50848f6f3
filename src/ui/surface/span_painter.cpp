#include "ui/surface/span_painter.h"

#include <algorithm>
#include <climits>
#include <vector>

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

// What a wide pen inks in one pixel column of a band: every row of [coreTop, coreBottom), where
// the trace itself runs; the rows up to inkTop and down to inkBottom only where the trace runs
// flat, so they take the colour at the flat share of the column.
struct ColumnInk {
    int inkTop = INT_MAX, coreTop = INT_MAX, coreBottom = INT_MIN, inkBottom = INT_MIN;
    double topAlpha = 0, bottomAlpha = 0;
};

} // namespace

void PaintColumnSpans(QImage& image, std::span<const ColumnSpan> spans, int width, QRgb color,
                      DirtyStrips& dirty) {
    if (spans.empty()) return; // without touching the pixels, which would detach a shared picture
    const int w = std::max(1, width);
    const int before = (w - 1) / 2; // pen columns left of the span's own
    const int pictureWidth = image.width(), pictureHeight = image.height();
    const double half = w / 2.0;
    uchar* const bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    auto pixel = [&](int x, int y) -> QRgb& { return reinterpret_cast<QRgb*>(bits + y * bytesPerLine)[x]; };
    std::vector<ColumnInk> ink;
    struct Run {
        int x, length, top, bottom;
    };
    std::vector<Run> runs;

    // A band is a run of spans in consecutive columns; neighbouring spans share their boundary
    // heights, so the pen's ink in each column of a band is one range of rows.
    std::size_t i = 0;
    while (i < spans.size()) {
        std::size_t end = i + 1;
        while (end < spans.size() && spans[end].column == spans[end - 1].column + 1)
            ++end;
        const int x0 = spans[i].column - before, x1 = spans[end - 1].column - before + w;
        ink.assign(static_cast<std::size_t>(x1 - x0), ColumnInk{});
        for (std::size_t k = i; k < end; ++k) {
            const ColumnSpan& s = spans[k];
            const int inkTop = rowOf(snapToPixels(s.top, w) - half, pictureHeight);
            const int inkBottom = rowOf(snapToPixels(s.bottom, w) + half, pictureHeight);
            const int coreTop = std::clamp(rowOf(std::floor(s.top), pictureHeight), inkTop, inkBottom);
            const int coreBottom =
                std::clamp(rowOf(std::floor(s.bottom) + 1, pictureHeight), inkTop, inkBottom);
            const auto first = static_cast<std::size_t>(s.column - before - x0);
            for (std::size_t c = first; c < first + static_cast<std::size_t>(w); ++c) {
                ColumnInk& column = ink[c];
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
        // Neighbouring columns with the same rows make one run, filled a row at a time: a fast
        // square wave is a single rectangle.
        runs.clear();
        int rowMin = INT_MAX, rowMax = INT_MIN;
        const int left = std::max(x0, 0), right = std::min(x1, pictureWidth);
        for (int x = left; x < right; ++x) {
            const ColumnInk& column = ink[static_cast<std::size_t>(x - x0)];
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
        for (int y = rowMin; y < rowMax; ++y) {
            QRgb* row = &pixel(0, y);
            for (const Run& r : runs)
                if (r.top <= y && y < r.bottom) std::fill_n(row + r.x, r.length, color);
        }
        for (int x = left; x < right; ++x) {
            const ColumnInk& column = ink[static_cast<std::size_t>(x - x0)];
            for (int y = std::max(column.inkTop, 0); y < std::min(column.coreTop, pictureHeight); ++y)
                blend(pixel(x, y), color, column.topAlpha);
            for (int y = std::max(column.coreBottom, 0); y < std::min(column.inkBottom, pictureHeight); ++y)
                blend(pixel(x, y), color, column.bottomAlpha);
            dirty.addRect(x, column.inkTop, x + 1, column.inkBottom);
        }
        i = end;
    }
}

} // namespace ondivel
