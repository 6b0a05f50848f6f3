#include "core/column_spans.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ondivel {

namespace {

// Ends that differ by less than this are the same point (the drawers pass the same numbers).
constexpr double kJoinTolerance = 1e-6;

bool runsRight(const DeviceLine& l) {
    return l.x2 >= l.x1;
}

bool joined(const DeviceLine& previous, const DeviceLine& next) {
    return std::abs(previous.x2 - next.x1) <= kJoinTolerance &&
           std::abs(previous.y2 - next.y1) <= kJoinTolerance;
}

bool finite(const DeviceLine& l) {
    return std::isfinite(l.x1) && std::isfinite(l.y1) && std::isfinite(l.x2) && std::isfinite(l.y2);
}

} // namespace

std::vector<ColumnSpan> ColumnSpansOf(std::span<const DeviceLine> chain, int columns) {
    std::vector<ColumnSpan> spans;
    if (chain.empty() || columns <= 0) return spans;
    const double first = std::max(0.0, std::floor(chain.front().x1));
    const DeviceLine& end = chain.back();
    const double lastTouched = end.x2 > end.x1 ? std::ceil(end.x2) - 1 : std::floor(end.x2);
    const double last = std::min(static_cast<double>(columns - 1), lastTouched);
    if (!(first <= last)) return spans;
    const int firstColumn = static_cast<int>(first), lastColumn = static_cast<int>(last);
    const std::size_t count = static_cast<std::size_t>(lastColumn - firstColumn) + 1;
    constexpr double kInf = std::numeric_limits<double>::infinity();
    // What a column has seen: its highest and lowest points, and its highest and lowest flat
    // pieces with their lengths. One record a column keeps a dense trace's work in the cache.
    struct Column {
        double top = kInf, bottom = -kInf;
        double flatTop = kInf, flatTopLength = 0, flatBottom = -kInf, flatBottomLength = 0;
    };
    std::vector<Column> seen(count);

    for (const DeviceLine& l : chain) {
        // A line that ends on a column's left edge only touches that column: it inks nothing there.
        const double lineFirst = std::max(first, std::floor(l.x1));
        const double lineLast = std::min(last, l.x2 > l.x1 ? std::ceil(l.x2) - 1 : std::floor(l.x2));
        if (!(lineFirst <= lineLast)) continue;
        const int from = static_cast<int>(lineFirst), to = static_cast<int>(lineLast);
        const bool flat = l.y1 == l.y2 && l.x2 > l.x1;
        const double slope = l.x2 != l.x1 ? (l.y2 - l.y1) / (l.x2 - l.x1) : 0;
        for (int c = from; c <= to; ++c) {
            Column& column = seen[static_cast<std::size_t>(c - firstColumn)];
            // The piece of the line inside [c, c + 1]; a vertical line is its own piece.
            double ya = l.y1, yb = l.y2;
            if (l.x2 != l.x1 && !flat) {
                ya = l.y1 + slope * (std::max(l.x1, double(c)) - l.x1);
                yb = l.y1 + slope * (std::min(l.x2, double(c + 1)) - l.x1);
            }
            column.top = std::min(column.top, std::min(ya, yb));
            column.bottom = std::max(column.bottom, std::max(ya, yb));
            if (flat) {
                const double length = std::min(l.x2, double(c + 1)) - std::max(l.x1, double(c));
                if (ya < column.flatTop) {
                    column.flatTop = ya;
                    column.flatTopLength = 0;
                }
                if (ya == column.flatTop) column.flatTopLength += length;
                if (ya > column.flatBottom) {
                    column.flatBottom = ya;
                    column.flatBottomLength = 0;
                }
                if (ya == column.flatBottom) column.flatBottomLength += length;
            }
        }
    }
    spans.reserve(count);
    // Flat pieces within this of the end count as running along it.
    constexpr double kFlatSlack = 0.5;
    for (std::size_t i = 0; i < count; ++i) {
        const Column& column = seen[i];
        if (!(column.top <= column.bottom)) continue;
        ColumnSpan s{firstColumn + static_cast<int>(i), column.top, column.bottom};
        if (column.flatTop <= column.top + kFlatSlack) s.topShare = std::min(1.0, column.flatTopLength);
        if (column.flatBottom >= column.bottom - kFlatSlack)
            s.bottomShare = std::min(1.0, column.flatBottomLength);
        spans.push_back(s);
    }
    return spans;
}

ReducedLines ReduceDenseChains(std::span<const DeviceLine> lines, int columns, double keptEnds,
                               double linesPerColumn, std::size_t minLines) {
    ReducedLines out;
    std::size_t i = 0;
    while (i < lines.size()) {
        if (!runsRight(lines[i]) || !finite(lines[i])) {
            out.lines.push_back(lines[i++]);
            continue;
        }
        std::size_t end = i + 1;
        while (end < lines.size() && runsRight(lines[end]) && finite(lines[end]) &&
               joined(lines[end - 1], lines[end]))
            ++end;
        const std::span<const DeviceLine> chain = lines.subspan(i, end - i);
        const double crossed = std::floor(chain.back().x2) - std::floor(chain.front().x1) + 1;
        const auto n = static_cast<double>(chain.size());
        if (chain.size() >= minLines && n > linesPerColumn * crossed) {
            // Chains run left to right, so the kept ends are a head and a tail of the chain.
            std::size_t head = 0, tail = chain.size();
            while (head < tail && chain[head].x1 < chain.front().x1 + keptEnds)
                ++head;
            while (tail > head && chain[tail - 1].x2 > chain.back().x2 - keptEnds)
                --tail;
            out.lines.insert(out.lines.end(), chain.begin(),
                             chain.begin() + static_cast<std::ptrdiff_t>(head));
            const std::vector<ColumnSpan> spans = ColumnSpansOf(chain.subspan(head, tail - head), columns);
            out.spans.insert(out.spans.end(), spans.begin(), spans.end());
            out.lines.insert(out.lines.end(), chain.begin() + static_cast<std::ptrdiff_t>(tail), chain.end());
        } else {
            out.lines.insert(out.lines.end(), chain.begin(), chain.end());
        }
        i = end;
    }
    return out;
}

} // namespace ondivel
