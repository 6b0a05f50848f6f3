#pragma once
// Dense traces painted as their column spans (see core/column_spans.h), straight into the
// picture's pixels and row by row: the same rows and columns as thousands of antialiased segments
// would ink, thirty times faster. The rows the trace runs through are solid; the rows a wide pen
// adds above and below take the colour as far as the trace runs flat there, as the antialiased
// flat pieces would.
#include <QImage>
#include <QRgb>
#include <QSize>
#include <climits>
#include <cmath>
#include <span>
#include <utility>
#include <vector>

#include "core/column_spans.h"
#include "ui/surface/dirty_strips.h"

namespace ondivel {

// The device coordinate of an axis-aligned line of a pen `width` pixels wide: the middle of a
// pixel for an odd width, a pixel edge for an even one, so that the line covers whole pixels.
inline double snapToPixels(double c, int width) {
    constexpr double kSlack = 1e-6; // 500 / 805 * 805 must still be pixel 500
    return width % 2 == 1 ? std::floor(c + kSlack) + 0.5 : std::round(c);
}

// Paints a dashed line that runs along a row or a column, its width across whole pixels (as
// snapToPixels places it), straight into the picture: the dashes are rectangles, solid but for
// the fractions of a pixel where a dash ends, so they need none of the stroker's and the
// antialiasing rasteriser's work, which for the four long dashed measurement cursors cost more
// than the traces. The pattern, in pen widths, starts again at (x1, y1), as Qt's does for each
// line. `painted` receives the rectangle from the first dash to the last (empty when the line lies
// off the picture). False, painting nothing, for any other line, for a pen under 2 pixels and for
// a line of over a thousand periods of its pattern.
bool PaintAxisDashes(QImage& image, double x1, double y1, double x2, double y2, int width,
                     std::span<const double> pattern, QRgb color, PixelRect& painted);

// The ink of a run of spans with a pen `width` pixels wide: the columns the pen covers around
// each span's column, the rows from its snapped top to its snapped bottom, widened by half the
// pen at each end (at the span's flat shares). Worked out before painting, so that the caller
// knows which pixels the painting will cover and need not restore them first.
class SpanInk {
  public:
    SpanInk(std::span<const ColumnSpan> spans, int width, QSize picture);

    bool empty() const { return bands_.empty(); }
    // The rows that every column of [x0, x1) paints solid, as [first, end); first >= end if none.
    std::pair<int, int> solidRows(int x0, int x1) const;
    // Paints in an opaque colour into the picture (32 bits a pixel, premultiplied) and marks
    // what it painted in `dirty`. `paintedOver` are the inks that will be painted after this one
    // before anyone looks: the solid rows of one of them are left to it. (Two fast channels on
    // the same rows would otherwise each fill the same large rectangle.)
    void paint(QImage& image, QRgb color, DirtyStrips& dirty,
               std::span<const SpanInk* const> paintedOver = {}) const;

  private:
    struct ColumnInk {
        int inkTop = INT_MAX, coreTop = INT_MAX, coreBottom = INT_MIN, inkBottom = INT_MIN;
        double topAlpha = 0, bottomAlpha = 0;
    };
    // Spans in consecutive columns; neighbouring spans share their boundary heights, so the
    // pen's ink in each column of a band is one range of rows.
    struct Band {
        int x0;
        std::vector<ColumnInk> ink;
    };
    QSize picture_;
    std::vector<Band> bands_;
    std::vector<int> solidTop_, solidBottom_; // per picture column
};

} // namespace ondivel
