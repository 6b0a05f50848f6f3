#pragma once
// Solid traces painted straight into the picture's pixels, antialiased by each pixel centre's
// distance from the segment: the sparse traces (a sine, the edges and levels of a square, an XY
// figure) that Qt's stroker otherwise takes segment by segment, at some hundred instructions a
// pixel, which on a 4K screen cost most of a refresh. The coverage of a whole run is gathered
// first, each pixel keeping the most any segment gives it, and blended once: where segments meet
// or lie over each other the edge is not darkened again, and a chain's joints are round, as the
// spot of a beam draws them. The ends of a chain are flat, as Qt's flat-capped pen leaves them.
#include <QImage>
#include <QRgb>
#include <span>

#include "core/column_spans.h"

namespace ondivel {

class StrokePainter {
  public:
    // Paints `lines` (device pixels, pixel i covering [i, i + 1)) with a pen `width` pixels wide in
    // an opaque colour into a 32-bit premultiplied picture. A line that starts where the one before
    // it ended continues its chain. Whatever lies off the picture costs nothing.
    void paint(QImage& image, std::span<const DeviceLine> lines, double width, QRgb color);

  private:
    void addBody(QImage& image, QRgb color, const DeviceLine& line, bool flatStart, bool flatEnd);
    void addJoint(QImage& image, QRgb color, const DeviceLine& before, const DeviceLine& after);

    int width_ = 0, height_ = 0;
    double half_ = 0.5;
};

} // namespace ondivel
