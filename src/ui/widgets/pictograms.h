#pragma once
// Small line pictograms of the panels, drawn with QPainter so they stay crisp at any size: the
// three waveforms of the generators and the sources and instruments of the toolbox.
#include <QColor>
#include <QRectF>

class QPainter;

namespace ondivel {

enum class Pictogram {
    Sine,
    Square,
    Triangle,
    NoSource,
    Generator,
    Supply,
    Battery15,
    Battery45,
    Battery9,
    Mains,
    Alternator,
    Harmonics,
    Meter,
    Stopwatch,
    Calculator,
};

void paintPictogram(QPainter& p, Pictogram which, const QRectF& r, const QColor& ink);

} // namespace ondivel
