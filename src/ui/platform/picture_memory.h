#pragma once
// Pictures as large as a screen, in memory that Linux may back with 2 MB pages. A trace crosses
// the rows of a 4K picture one after the other, 15 KB apart: with the usual 4 KB pages nearly
// every pixel painted or restored there needs its own address translation, and looking those up
// took longer than the painting itself. QtSurface keeps its picture and its bare background here.
#include <QImage>
#include <QSize>

namespace ondivel {

// An image of `size` in `format` (32 bits a pixel), rows packed, its pixels not initialised.
// Elsewhere than on Linux, or below a few megabytes, a plain QImage.
QImage allocateScreenImage(QSize size, QImage::Format format);

} // namespace ondivel
