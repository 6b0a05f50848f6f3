#pragma once
// Fits the texts of a dialog into the rectangles the window was designed with. The designs were
// drawn for a small, narrow dialog font; with the larger font of the program a caption may not
// fit: it then gets a smaller font (down to three quarters of the dialog's), and a label may also
// take the free room below it.
#include <QRect>

class QAbstractButton;
class QLabel;

namespace ondivel {

// The smallest font a fitted text gets, for a dialog font of `basePixels`.
int smallestFitPixels(int basePixels);

// The caption of a push button, option button or check box on one line within its width.
void fitCaption(QAbstractButton& button, int basePixels);

// A word-wrapped label placed at `placed`, allowed to grow down by `room` pixels. A label designed
// for one line keeps one line if a smaller font allows it; a longer text first takes the room.
void fitLabel(QLabel& label, const QRect& placed, int room, int basePixels);

} // namespace ondivel
