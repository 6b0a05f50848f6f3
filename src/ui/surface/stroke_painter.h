#pragma once
// Solid traces painted straight into the picture's pixels, antialiased by each pixel centre's
// distance from the segment: the sparse traces (a sine, the edges and levels of a square, an XY
// figure) that Qt's stroker takes segment by segment through its scanline rasteriser, which on a
// 4K screen cost most of a refresh. Within a chain the segments stop dead where they meet and the
// wedge a bend opens outside them is filled round, as the spot of a beam draws it: no pixel there
// is blended twice, where Qt's flat-capped segments leave a notch and a seam at every joint. The
// ends of a chain are flat, as Qt's pen leaves them. Segments that cross elsewhere (an XY figure
// over itself) are blended as often as they cross, as Qt's are.
#include <QImage>
#include <QRgb>
#include <span>

#include "core/column_spans.h"

namespace ondivel {

class StrokePainter {
  public:
    // Paints `lines` (device pixels, pixel i covering [i, i + 1)) with a pen `width` pixels wide
    // (at most 128) in an opaque colour into a 32-bit premultiplied picture. A line that starts
    // where the one before it ended continues its chain. Whatever lies off the picture costs
    // nothing.
    void paint(QImage& image, std::span<const DeviceLine> lines, double width, QRgb color);

  private:
    void addBody(QImage& image, QRgb color, const DeviceLine& line, bool flatStart, bool flatEnd);
    void addJoint(QImage& image, QRgb color, const DeviceLine& before, const DeviceLine& after);

    int width_ = 0, height_ = 0;
    double half_ = 0.5;
};

} // namespace ondivel
