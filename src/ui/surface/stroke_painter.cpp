#include "ui/surface/stroke_painter.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace ondivel {

namespace {

// x over y at a (0 to 255), the way Qt's raster engine blends an antialiased edge: two channels
// at a time, each divided by 255 with its rounding.
inline QRgb interpolate255(QRgb x, unsigned a, QRgb y, unsigned b) {
    unsigned t = (x & 0xff00ffu) * a + (y & 0xff00ffu) * b;
    t = (t + ((t >> 8) & 0xff00ffu) + 0x800080u) >> 8;
    t &= 0xff00ffu;
    unsigned u = ((x >> 8) & 0xff00ffu) * a + ((y >> 8) & 0xff00ffu) * b;
    u = u + ((u >> 8) & 0xff00ffu) + 0x800080u;
    u &= 0xff00ff00u;
    return u | t;
}

inline double unit(double v) {
    return std::clamp(v, 0.0, 1.0);
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Where a segment's ink lies: along it, between tLo and tHi from its start; across, within
// `across` of its axis.
struct Band {
    double tLo, tHi, across;
};

// The first and last pixel columns whose centres lie within [lo, hi] (pixel i has its centre at
// i + 0.5), clamped first, so that a bound far off the picture (a nearly level segment's, across)
// converts safely; a NaN bound leaves the range empty.
inline int firstColumn(double lo, int width) {
    if (std::isnan(lo)) return width;
    const double v = std::clamp(lo - 0.5, -1.0, static_cast<double>(width));
    const int i = static_cast<int>(v);
    return std::max(i < v ? i + 1 : i, 0);
}
inline int lastColumn(double hi, int width) {
    if (std::isnan(hi)) return -1;
    const double v = std::clamp(hi - 0.5, -2.0, static_cast<double>(width));
    const int i = static_cast<int>(v);
    return std::min(i > v ? i - 1 : i, width - 1);
}

// Pixels [first, last] of a row: [solidFirst, solidLast] (within them) take the colour, the
// others the share `at(x)` of it. Inlined: a call for each row of a thin pen cost more than the
// row.
template <class Coverage>
[[gnu::always_inline]] inline void paintRow(QRgb* row, QRgb color, int first, int last, int solidFirst,
                                            int solidLast, Coverage at) {
    solidFirst = std::max(solidFirst, first);
    solidLast = std::min(solidLast, last);
    if (solidFirst > solidLast) { // none: all fringe
        solidFirst = last + 1;
        solidLast = last;
    }
    auto keep = [&](int x) {
        const auto level = static_cast<unsigned>(at(x) * 255 + 0.5);
        if (level != 0) row[x] = level >= 255 ? color : interpolate255(color, level, row[x], 255 - level);
    };
    for (int x = first; x < solidFirst; ++x)
        keep(x);
    for (int x = solidFirst; x <= solidLast; ++x)
        row[x] = color;
    for (int x = solidLast + 1; x <= last; ++x)
        keep(x);
}

} // namespace

void StrokePainter::paint(QImage& image, std::span<const DeviceLine> lines, double width, QRgb color) {
    if (lines.empty() || image.depth() != 32 || image.isNull()) return;
    width_ = image.width();
    height_ = image.height();
    // No screen shows a wider pen, and a joint costs the square of it.
    constexpr double kWidest = 128;
    half_ = std::clamp(width, 1.0, kWidest) / 2;
    // A line of no length (a square's edge at a time base too slow to part its ends) draws
    // nothing of its own, but the lines either side of it still meet there.
    auto drawn = [](const DeviceLine& l) {
        const double dx = l.x2 - l.x1, dy = l.y2 - l.y1, length = std::sqrt(dx * dx + dy * dy);
        return length > 1e-9 && std::isfinite(length);
    };
    auto joined = [](const DeviceLine& a, const DeviceLine& b) { return a.x2 == b.x1 && a.y2 == b.y1; };
    const DeviceLine* before = nullptr;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!drawn(lines[i])) continue;
        std::size_t next = i + 1;
        while (next < lines.size() && !drawn(lines[next]) && joined(lines[next - 1], lines[next]))
            ++next;
        const bool joinedBefore = before && joined(*before, lines[i]);
        const bool joinedAfter = next < lines.size() && drawn(lines[next]) && joined(lines[i], lines[next]);
        addBody(image, color, lines[i], !joinedBefore, !joinedAfter);
        if (joinedAfter) addJoint(image, color, lines[i], lines[next]);
        before = &lines[i];
    }
}

namespace {

// The x bounds, row by row, of the pixel centres within a band of a segment: along it between
// two distances from its start, across within a distance of its axis. Worked out once a segment,
// so that a row costs a few multiplications: ry is the row centre's height above the start.
struct RowBounds {
    double rowLo = -kInfinity, rowHi = kInfinity; // the heights where the band has any centre
    double alongLo = -kInfinity, alongHi = kInfinity, alongSlope = 0;
    double acrossMiddle = 0, acrossSlope = 0, acrossHalf = kInfinity;

    RowBounds(double x1, double ux, double uy, const Band& band) {
        if (band.tLo > band.tHi || band.across < 0) {
            rowLo = kInfinity; // never
            return;
        }
        if (ux != 0) {
            alongLo = x1 + (ux > 0 ? band.tLo : band.tHi) / ux;
            alongHi = x1 + (ux > 0 ? band.tHi : band.tLo) / ux;
            alongSlope = -uy / ux;
        } else { // a column: uy is ±1
            rowLo = std::min(band.tLo * uy, band.tHi * uy);
            rowHi = std::max(band.tLo * uy, band.tHi * uy);
        }
        if (uy != 0) {
            acrossMiddle = x1;
            acrossSlope = ux / uy;
            acrossHalf = band.across / std::abs(uy);
        } else { // a row: ux is ±1
            rowLo = std::max(rowLo, -band.across);
            rowHi = std::min(rowHi, band.across);
        }
    }
    bool at(double ry, double& lo, double& hi) const {
        if (ry < rowLo || ry > rowHi) return false;
        const double middle = acrossMiddle + ry * acrossSlope;
        lo = std::max(alongLo + ry * alongSlope, middle - acrossHalf);
        hi = std::min(alongHi + ry * alongSlope, middle + acrossHalf);
        return lo <= hi;
    }
};

} // namespace

// The pen along the segment: every pixel whose centre lies within half a pen and half a pixel of
// its axis gets the share of it the pen covers, by its distance from the axis and, at a flat end,
// from the end. A joined end stops dead: the joint's disc covers what lies beyond it. Rows are
// walked with bounds worked out from the row's height alone, so that a steep segment costs
// little more a row than the pixels it paints.
void StrokePainter::addBody(QImage& image, QRgb color, const DeviceLine& line, bool flatStart, bool flatEnd) {
    const double x1 = line.x1, y1 = line.y1;
    const double dx = line.x2 - x1, dy = line.y2 - y1;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (!(length > 1e-9) || !std::isfinite(length)) return; // a point: the joints' discs cover it
    const double ux = dx / length, uy = dy / length;
    const double reach = half_ + 0.5; // beyond it, nothing of the pixel is covered
    // Where the ink can reach, and where it covers whole pixels.
    // A joined end is half open, so that a pixel centred exactly on the joint is not painted
    // by both segments.
    const double joinedEnd = length * (1 - 1e-12);
    const Band ink{flatStart ? -0.5 : 0, flatEnd ? length + 0.5 : joinedEnd, reach};
    const RowBounds inkRows(x1, ux, uy, ink);
    const RowBounds solidRows(x1, ux, uy,
                              {flatStart ? 0.5 : 0, flatEnd ? length - 0.5 : joinedEnd, half_ - 0.5});

    const double acrossRows = std::abs(ux) * reach;
    const double yLow = y1 + std::min(uy * ink.tLo, uy * ink.tHi) - acrossRows;
    const double yHigh = y1 + std::max(uy * ink.tLo, uy * ink.tHi) + acrossRows;
    const int rowFirst =
        static_cast<int>(std::clamp(std::ceil(yLow - 0.5), 0.0, static_cast<double>(height_)));
    const int rowLast = static_cast<int>(std::clamp(std::floor(yHigh - 0.5), -1.0, height_ - 1.0));
    uchar* const bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    // A column (the edges of a square, the ends of a dense band) covers the same pixels in every
    // row away from its ends: those rows are filled from one worked out once.
    const double middleLo = flatStart ? 0.5 : 0, middleHi = flatEnd ? length - 0.5 : joinedEnd;
    int columnFirst = 0, columnLast = -1, columnSolidFirst = 0, columnSolidLast = -1;
    std::uint8_t fringeLevels[2][2] = {}; // left and right of the solid part, nearest first
    if (ux == 0) {
        columnFirst = firstColumn(x1 - reach, width_);
        columnLast = lastColumn(x1 + reach, width_);
        columnSolidFirst = std::max(firstColumn(x1 - (half_ - 0.5), width_), columnFirst);
        columnSolidLast = std::min(lastColumn(x1 + (half_ - 0.5), width_), columnLast);
        // Past two pixels either side of the solid part the distance exceeds the reach.
        if (columnSolidFirst > columnSolidLast || columnSolidFirst - columnFirst > 2 ||
            columnLast - columnSolidLast > 2)
            columnLast = -1; // a thin or off-picture column: row by row
        for (int i = 0; i < 2; ++i) {
            auto level = [&](int x) {
                return static_cast<std::uint8_t>(unit(reach - std::abs(x + 0.5 - x1)) * 255 + 0.5);
            };
            fringeLevels[0][i] =
                columnSolidFirst - 1 - i >= columnFirst ? level(columnSolidFirst - 1 - i) : 0;
            fringeLevels[1][i] = columnSolidLast + 1 + i <= columnLast ? level(columnSolidLast + 1 + i) : 0;
        }
    }
    // Each row lies in other cache lines, far from the last: fetched some rows ahead, they
    // arrive while the rows before are painted.
    constexpr int kAhead = 8;
    const double aheadSlope = uy != 0 ? ux / uy : 0;
    for (int y = rowFirst; y <= rowLast; ++y) {
        const double ry = y + 0.5 - y1;
        if (y + kAhead <= rowLast) {
            const double x = x1 + (ry + kAhead) * aheadSlope;
            const auto column = static_cast<std::size_t>(x >= 0 ? std::min(x, width_ - 1.0) : 0.0); // NaN: 0
            __builtin_prefetch(bits + (y + kAhead) * bytesPerLine + column * sizeof(QRgb), 1);
        }
        if (columnFirst <= columnLast && ry * uy >= middleLo && ry * uy <= middleHi) {
            auto* row = reinterpret_cast<QRgb*>(bits + y * bytesPerLine);
            std::fill(row + columnSolidFirst, row + columnSolidLast + 1, color);
            if ((fringeLevels[0][0] | fringeLevels[1][0]) == 0) continue; // a pen on pixel edges
            for (int i = 0; i < 2; ++i) {
                if (const int x = columnSolidFirst - 1 - i; x >= columnFirst && fringeLevels[0][i] != 0)
                    row[x] = interpolate255(color, fringeLevels[0][i], row[x], 255u - fringeLevels[0][i]);
                if (const int x = columnSolidLast + 1 + i; x <= columnLast && fringeLevels[1][i] != 0)
                    row[x] = interpolate255(color, fringeLevels[1][i], row[x], 255u - fringeLevels[1][i]);
            }
            continue;
        }
        double lo = 0, hi = 0;
        if (!inkRows.at(ry, lo, hi)) continue;
        const int first = firstColumn(lo, width_), last = lastColumn(hi, width_);
        if (first > last) continue;
        int solidFirst = 1, solidLast = 0; // none
        if (solidRows.at(ry, lo, hi)) {
            solidFirst = firstColumn(lo, width_);
            solidLast = lastColumn(hi, width_);
        }
        const double along = ry * uy - x1 * ux, across = ry * ux + x1 * uy;
        auto* row = reinterpret_cast<QRgb*>(bits + y * bytesPerLine);
        if (!flatStart && !flatEnd) { // inside a chain, as nearly every segment is: across only
            paintRow(row, color, first, last, solidFirst, solidLast,
                     [&](int x) { return unit(reach - std::abs(across - (x + 0.5) * uy)); });
            continue;
        }
        paintRow(row, color, first, last, solidFirst, solidLast, [&](int x) {
            const double px = x + 0.5, t = px * ux + along, n = across - px * uy;
            double c = unit(reach - std::abs(n));
            if (flatStart) c *= unit(t + 0.5);
            if (flatEnd) c *= unit(length - t + 0.5);
            return c;
        });
    }
}

// The outside of a bend: the bodies stop dead at the joint, leaving a wedge between their ends
// that a round joint fills, as the spot of a beam draws it. Only the pixels beyond both ends
// are painted, so that none is blended twice; a bend too slight to open a visible wedge costs
// nothing.
void StrokePainter::addJoint(QImage& image, QRgb color, const DeviceLine& before, const DeviceLine& after) {
    const double cx = before.x2, cy = before.y2;
    const double ax = before.x2 - before.x1, ay = before.y2 - before.y1;
    const double bx = after.x2 - after.x1, by = after.y2 - after.y1;
    const double reach = half_ + 0.5, solid = half_ - 0.5;
    // The wedge opens by the sine of the bend at the pen's edge: under a tenth of a pixel there,
    // nothing shows.
    const double cross = ax * by - ay * bx, dot = ax * bx + ay * by;
    const double lengthBefore2 = ax * ax + ay * ay, lengthAfter2 = bx * bx + by * by;
    const double lengths = std::sqrt(lengthBefore2 * lengthAfter2);
    if (!std::isfinite(cx) || !std::isfinite(cy) || !(lengths > 0)) return;
    if (dot > 0 && std::abs(cross) * reach < 0.1 * lengths) return;
    const int rowFirst =
        static_cast<int>(std::clamp(std::ceil(cy - reach - 0.5), 0.0, static_cast<double>(height_)));
    const int rowLast = static_cast<int>(std::clamp(std::floor(cy + reach - 0.5), -1.0, height_ - 1.0));
    uchar* const bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    for (int y = rowFirst; y <= rowLast; ++y) {
        const double ry = y + 0.5 - cy;
        const double inkHalf = std::sqrt(std::max(reach * reach - ry * ry, 0.0));
        const int first = firstColumn(cx - inkHalf, width_), last = lastColumn(cx + inkHalf, width_);
        auto* row = reinterpret_cast<QRgb*>(bits + y * bytesPerLine);
        for (int x = first; x <= last; ++x) {
            const double rx = x + 0.5 - cx;
            // Level with either body, the pixel is that body's (a segment shorter than the pen
            // leaves the pixels beyond its far end to the next joint).
            const double alongBefore = rx * ax + ry * ay, alongAfter = rx * bx + ry * by;
            if ((alongBefore <= 0 && alongBefore >= -lengthBefore2) ||
                (alongAfter >= 0 && alongAfter <= lengthAfter2))
                continue;
            const double d = std::sqrt(rx * rx + ry * ry);
            if (d <= solid) {
                row[x] = color;
                continue;
            }
            const auto level = static_cast<unsigned>(unit(reach - d) * 255 + 0.5);
            if (level != 0) row[x] = interpolate255(color, level, row[x], 255 - level);
        }
    }
}

} // namespace ondivel
