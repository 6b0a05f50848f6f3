#pragma once
// Dense traces painted as their column spans (see core/column_spans.h), straight into the
// picture's pixels and row by row: the same rows and columns as thousands of antialiased segments
// would ink, thirty times faster. The rows the trace runs through are solid; the rows a wide pen
// adds above and below take the colour as far as the trace runs flat there, as the antialiased
// flat pieces would.
#include <QImage>
#include <QRgb>
#include <cmath>
#include <span>

#include "core/column_spans.h"
#include "ui/surface/dirty_strips.h"

namespace ondivel {

// The device coordinate of an axis-aligned line of a pen `width` pixels wide: the middle of a
// pixel for an odd width, a pixel edge for an even one, so that the line covers whole pixels.
inline double snapToPixels(double c, int width) {
    constexpr double kSlack = 1e-6; // 500 / 805 * 805 must still be pixel 500
    return width % 2 == 1 ? std::floor(c + kSlack) + 0.5 : std::round(c);
}

// Paints each span with a pen `width` pixels wide in an opaque colour: the columns the pen would
// cover around the span's column, the rows from its snapped top to its snapped bottom, widened by
// half the pen at each end (at the span's flat shares). Marks what it paints in `dirty`. The
// picture is 32 bits a pixel, premultiplied.
void PaintColumnSpans(QImage& image, std::span<const ColumnSpan> spans, int width, QRgb color,
                      DirtyStrips& dirty);

} // namespace ondivel
