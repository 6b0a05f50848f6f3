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

} // namespace

void PaintColumnSpans(QImage& image, std::span<const ColumnSpan> spans, int width, QRgb color,
                      DirtyStrips& dirty) {
    const int w = std::max(1, width);
    const int before = (w - 1) / 2; // pen columns left of the span's own
    const int pictureWidth = image.width(), pictureHeight = image.height();
    const double half = w / 2.0;
    uchar* const bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    std::vector<int> top, bottom;

    // A band is a run of spans in consecutive columns; neighbouring spans share their boundary
    // heights, so the pen's ink in each column of a band is one range of rows.
    std::size_t i = 0;
    while (i < spans.size()) {
        std::size_t end = i + 1;
        while (end < spans.size() && spans[end].column == spans[end - 1].column + 1)
            ++end;
        const int x0 = spans[i].column - before, x1 = spans[end - 1].column - before + w;
        top.assign(static_cast<std::size_t>(x1 - x0), INT_MAX);
        bottom.assign(static_cast<std::size_t>(x1 - x0), INT_MIN);
        int rowMin = INT_MAX, rowMax = INT_MIN;
        for (std::size_t k = i; k < end; ++k) {
            const int t = rowOf(snapToPixels(spans[k].top, w) - half, pictureHeight);
            const int b = rowOf(snapToPixels(spans[k].bottom, w) + half, pictureHeight);
            rowMin = std::min(rowMin, t);
            rowMax = std::max(rowMax, b);
            const auto first = static_cast<std::size_t>(spans[k].column - before - x0);
            for (std::size_t c = first; c < first + static_cast<std::size_t>(w); ++c) {
                top[c] = std::min(top[c], t);
                bottom[c] = std::max(bottom[c], b);
            }
        }
        const int left = std::max(x0, 0), right = std::min(x1, pictureWidth);
        const int firstRow = std::max(rowMin, 0), endRow = std::min(rowMax, pictureHeight);
        for (int y = firstRow; y < endRow; ++y) {
            auto* row = reinterpret_cast<QRgb*>(bits + y * bytesPerLine);
            for (int x = left; x < right; ++x) {
                const auto c = static_cast<std::size_t>(x - x0);
                if (top[c] <= y && y < bottom[c]) row[x] = color;
            }
        }
        for (int x = left; x < right; ++x) {
            const auto c = static_cast<std::size_t>(x - x0);
            dirty.addRect(x, top[c], x + 1, bottom[c]);
        }
        i = end;
    }
}

} // namespace ondivel
