#pragma once
// How the light instrument panels paint their face: a brushed metal plate under a dark heading
// band, and frames engraved in the plate with their caption in a gap of the line.
#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;
class QWidget;

namespace ondivel {

inline const QColor kPanelFace(206, 211, 216);
inline const QColor kPanelHeading(34, 52, 86);
inline const QColor kPanelInk(30, 30, 40);

// Fills the margin a zoomed `view` leaves around its face, scales the painter by `zoom` to design
// pixels, then paints the face of `design` size, its heading band and `title` centred in it. The
// painter keeps the view's font and antialiasing.
void paintPanelFace(QPainter& p, const QWidget& view, double zoom, QSizeF design, const QString& title = {});

// The frame at `r` (design pixels), its caption in 8-pixel type; leaves the painter in that type.
void paintEngravedFrame(QPainter& p, const QRectF& r, const QString& caption);

} // namespace ondivel
