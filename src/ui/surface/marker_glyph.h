#pragma once
// The print markers are letters of the Wingdings symbol font, which Linux desktops lack: they are
// painted here as the shapes that font shows for them. Used by the printer's surface and by any
// view that shows the marker choices.
#include <QChar>
#include <QColor>
#include <QPointF>

class QPainter;

namespace ondivel {

// Whether the font name is the symbol font whose letters are drawn as shapes.
bool isMarkerFont(const QString& family);
// Whether `glyph` is one of the marker letters "u", "l", "o", "t", "n".
bool isMarkerGlyph(QChar glyph);
// Paints the glyph centred on `centre` in a square of `size` device pixels (the font's em).
void paintMarkerGlyph(QPainter& painter, QChar glyph, QPointF centre, qreal size, const QColor& color);

} // namespace ondivel
