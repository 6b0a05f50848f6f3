#pragma once
// Which pixels of a picture were drawn on since it last showed its bare background, kept as a few
// ranges of rows for each strip of 8 columns. Clearing copies back only those rectangles: a DUAL
// picture at full HD touches a small part of its 8 MB, and copying all of it at every refresh
// would cost more than drawing the traces. Two traces far apart in a strip keep separate ranges,
// so the screen between them is not copied for nothing.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace ondivel {

class DirtyStrips {
  public:
    static constexpr int kStripWidth = 8;

    void reset(int width, int height) {
        width_ = std::max(0, width);
        height_ = std::max(0, height);
        strips_.assign(static_cast<std::size_t>((width_ + kStripWidth - 1) / kStripWidth), Strip{});
    }

    void clear() { reset(width_, height_); }

    bool empty() const {
        return std::all_of(strips_.begin(), strips_.end(), [](const Strip& s) { return s.count == 0; });
    }

    // The rectangle [x0, x1) × [y0, y1) in device pixels, widened to whole pixels.
    void addRect(double x0, double y0, double x1, double y1) {
        if (!(x0 < x1) || !(y0 < y1) || strips_.empty()) return; // also rejects NaN
        const int top = clampRow(std::floor(y0)), bottom = clampRow(std::ceil(y1));
        if (top >= bottom) return; // above or below the picture
        const int first = stripOf(x0), last = stripOf(std::nextafter(x1, x0));
        for (int s = first; s <= last; ++s)
            strips_[static_cast<std::size_t>(s)].add(top, bottom);
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
        for (double left = from; left < to;) {
            const double right = std::min(to, (std::floor(left / kStripWidth) + 1) * kStripWidth);
            // The segment's heights over [left - margin, right + margin], clipped to its ends.
            const double ya = x1 == x2 ? y1 : heightAt(x1, y1, x2, y2, std::clamp(left - margin, x1, x2));
            const double yb = x1 == x2 ? y2 : heightAt(x1, y1, x2, y2, std::clamp(right + margin, x1, x2));
            addRect(left, std::min(ya, yb) - margin, right, std::max(ya, yb) + margin);
            left = right;
        }
    }

    // f(x0, y0, x1, y1) for each dirty rectangle, ends excluded; the rectangles do not overlap.
    template <class F> void forEach(F f) const {
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

    int stripOf(double x) const {
        const double s = std::floor(x / kStripWidth);
        return static_cast<int>(std::clamp(s, 0.0, static_cast<double>(strips_.size() - 1)));
    }
    int clampRow(double y) const {
        return static_cast<int>(std::clamp(y, 0.0, static_cast<double>(height_)));
    }
    static double heightAt(double x1, double y1, double x2, double y2, double x) {
        return y1 + (y2 - y1) * (x - x1) / (x2 - x1);
    }

    int width_ = 0, height_ = 0;
    std::vector<Strip> strips_;
};

} // namespace ondivel
