#pragma once
// Which pixels of a picture were drawn on since it last showed its bare background, kept as a few
// ranges of rows for each strip of eight columns. Clearing copies back only those rectangles: a DUAL
// picture at full HD touches a small part of its 8 MB, and copying all of it at every refresh
// would cost more than drawing the traces. Two traces far apart in a strip keep separate ranges,
// so the screen between them is not copied for nothing. (Narrower strips gain nothing: memory is
// read and written a cache line of sixteen pixels at a time.)
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <vector>

namespace ondivel {

// A rectangle of pixels, [x0, x1) × [y0, y1).
struct PixelRect {
    int x0, y0, x1, y1;
};

// f(y, x0, x1) for each row of the rectangles, top to bottom, the pieces of a row left to right
// with touching pieces joined into one. The rectangles must not overlap; they are reordered.
// Restoring a picture so moves through memory in address order, which the processor's prefetch
// follows: a strip at a time, every row of a large picture is a cache miss.
template <class F> void forEachRowRun(std::vector<PixelRect>& rects, F f) {
    std::sort(rects.begin(), rects.end(), [](const PixelRect& a, const PixelRect& b) {
        return a.y0 != b.y0 ? a.y0 < b.y0 : a.x0 < b.x0;
    });
    std::vector<PixelRect> active, merged; // the rectangles crossing the row, left to right
    std::size_t next = 0;
    int y = 0;
    while (next < rects.size() || !active.empty()) {
        if (active.empty()) y = rects[next].y0;
        const std::size_t from = next;
        while (next < rects.size() && rects[next].y0 == y)
            ++next;
        if (next > from) {
            merged.clear();
            std::merge(active.begin(), active.end(), rects.begin() + static_cast<std::ptrdiff_t>(from),
                       rects.begin() + static_cast<std::ptrdiff_t>(next), std::back_inserter(merged),
                       [](const PixelRect& a, const PixelRect& b) { return a.x0 < b.x0; });
            active.swap(merged);
        }
        std::size_t kept = 0;
        int runStart = 0, runEnd = -1;
        for (const PixelRect& r : active) {
            if (r.y1 <= y) continue; // ended above this row
            active[kept++] = r;
            if (r.x0 == runEnd) {
                runEnd = r.x1;
                continue;
            }
            if (runEnd > runStart) f(y, runStart, runEnd);
            runStart = r.x0;
            runEnd = r.x1;
        }
        if (runEnd > runStart) f(y, runStart, runEnd);
        active.resize(kept);
        ++y;
    }
}

class DirtyStrips {
  public:
    static constexpr int kStripWidth = 8;

    void reset(int width, int height) {
        width_ = std::max(0, width);
        height_ = std::max(0, height);
        strips_.assign(static_cast<std::size_t>((width_ + kStripWidth - 1) / kStripWidth), Strip{});
        any_ = false;
    }

    void clear() {
        if (any_) reset(width_, height_);
    }

    bool empty() const { return !any_; }

    // The rectangle [x0, x1) × [y0, y1) in device pixels, widened to whole pixels.
    void addRect(double x0, double y0, double x1, double y1) {
        if (!(x0 < x1) || !(y0 < y1) || strips_.empty()) return; // also rejects NaN
        const int top = clampRow(std::floor(y0)), bottom = clampRow(std::ceil(y1));
        if (top >= bottom) return; // above or below the picture
        const int first = stripOf(x0), last = stripOf(std::nextafter(x1, x0));
        for (int s = first; s <= last; ++s)
            addRows(s, top, bottom);
    }

    // Every pixel within `margin` (at least one) of the segment, strip by strip, so that a long
    // slanted line does not mark its whole bounding box.
    void addLine(double x1, double y1, double x2, double y2, double margin) {
        if (x2 < x1) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        if (!std::isfinite(x1) || !std::isfinite(x2) || !std::isfinite(y1) || !std::isfinite(y2)) return;
        const double from = std::max(x1 - margin, 0.0),
                     to = std::min(x2 + margin, static_cast<double>(width_));
        if (!(from < to) || strips_.empty()) return;
        const double slope = x1 == x2 ? 0 : (y2 - y1) / (x2 - x1);
        const int first = stripOf(from), last = stripOf(std::nextafter(to, from));
        for (int s = first; s <= last; ++s) {
            // The segment's heights over the strip widened by the margin, clipped to its ends.
            const double left = s * kStripWidth - margin, right = (s + 1) * kStripWidth + margin;
            double ya = y1, yb = y2;
            if (x1 != x2) {
                ya = y1 + slope * (std::clamp(left, x1, x2) - x1);
                yb = y1 + slope * (std::clamp(right, x1, x2) - x1);
            }
            const int top = clampRow(std::floor(std::min(ya, yb) - margin));
            const int bottom = clampRow(std::ceil(std::max(ya, yb) + margin));
            if (top < bottom) addRows(s, top, bottom);
        }
    }

    // Everything `other` (of the same size) marks, added to this.
    void addAll(const DirtyStrips& other) {
        if (!any_ && other.width_ == width_ && other.height_ == height_) {
            *this = other;
            return;
        }
        other.forEach([&](int x0, int y0, int x1, int y1) { addRect(x0, y0, x1, y1); });
    }

    // f(x0, y0, x1, y1) for each dirty rectangle, ends excluded; the rectangles do not overlap.
    template <class F> void forEach(F f) const {
        if (!any_) return;
        for (std::size_t s = 0; s < strips_.size(); ++s) {
            const int x0 = static_cast<int>(s) * kStripWidth, x1 = std::min(width_, x0 + kStripWidth);
            const Strip& strip = strips_[s];
            for (int i = 0; i < strip.count; ++i)
                f(x0, strip.rows[static_cast<std::size_t>(i)].top, x1,
                  strip.rows[static_cast<std::size_t>(i)].bottom);
        }
    }

  private:
    struct Rows {
        int top, bottom;
    };

    // Up to four disjoint ranges; a fifth is merged into the range it would grow least.
    struct Strip {
        static constexpr int kRanges = 4;
        static constexpr int kJoinGap = 8; // ranges this close are not worth keeping apart
        std::array<Rows, kRanges> rows{};
        int count = 0;

        void grow(int i, int top, int bottom) {
            Rows& r = rows[static_cast<std::size_t>(i)];
            r = {std::min(r.top, top), std::max(r.bottom, bottom)};
        }

        void add(int top, int bottom) {
            int into = -1;
            for (int i = 0; i < count; ++i) {
                const Rows& r = rows[static_cast<std::size_t>(i)];
                if (top <= r.bottom + kJoinGap && r.top <= bottom + kJoinGap) {
                    // Already inside: the usual case of a trace redrawn where it was.
                    if (r.top <= top && bottom <= r.bottom) return;
                    into = i;
                    break;
                }
            }
            if (into < 0 && count < kRanges) {
                rows[static_cast<std::size_t>(count++)] = {top, bottom};
                return;
            }
            if (into < 0) {
                long best = -1;
                for (int i = 0; i < count; ++i) {
                    const Rows& r = rows[static_cast<std::size_t>(i)];
                    const long growth =
                        (std::max(r.bottom, bottom) - std::min(r.top, top)) - (r.bottom - r.top);
                    if (best < 0 || growth < best) {
                        best = growth;
                        into = i;
                    }
                }
            }
            grow(into, top, bottom);
            // The grown range may now reach others: fold them in.
            for (int i = 0; i < count;) {
                const Rows other = rows[static_cast<std::size_t>(i)];
                const Rows& grown = rows[static_cast<std::size_t>(into)];
                if (i != into && other.top <= grown.bottom + kJoinGap &&
                    grown.top <= other.bottom + kJoinGap) {
                    grow(into, other.top, other.bottom);
                    rows[static_cast<std::size_t>(i)] = rows[static_cast<std::size_t>(--count)];
                    if (into == count) into = i; // the grown range was the last: it moved to i
                    i = 0;                       // and it may reach one looked at already
                    continue;
                }
                ++i;
            }
        }
    };

    void addRows(int strip, int top, int bottom) {
        strips_[static_cast<std::size_t>(strip)].add(top, bottom);
        any_ = true;
    }
    int stripOf(double x) const {
        const double s = std::floor(x / kStripWidth);
        return static_cast<int>(std::clamp(s, 0.0, static_cast<double>(strips_.size() - 1)));
    }
    int clampRow(double y) const {
        return static_cast<int>(std::clamp(y, 0.0, static_cast<double>(height_)));
    }

    int width_ = 0, height_ = 0;
    bool any_ = false;
    std::vector<Strip> strips_;
};

} // namespace ondivel
