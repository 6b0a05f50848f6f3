#pragma once
// Fits the texts of a dialog into the rectangles the window was designed with. The designs were
// drawn for a small, narrow dialog font; with the larger font of the program a caption may not
// fit: it then gets a smaller font, down to three quarters of the dialog's, and a label of
// several lines may also take the free room below it.
#include <QRect>

class QAbstractButton;
class QFont;
class QLabel;
class QWidget;

namespace ondivel {

// The smallest font a fitted text gets, for a dialog font of `basePixels`.
int smallestFitPixels(int basePixels);

// The dialog's font at another pixel size.
QFont fontWithPixels(const QWidget& w, int pixels);

// The largest pixel size, from `basePixels` down, at which the caption of a push button, option
// button or check box fits its width on one line; the smallest size when none does.
int captionPixels(const QAbstractButton& button, int basePixels);

// True when a label's height holds one line of the dialog font, not two.
bool designedForOneLine(const QLabel& label, int height, int basePixels);

// The largest pixel size at which a label's text fits its width on one line; 0 when none does.
int lineLabelPixels(const QLabel& label, int width, int basePixels);

// A word-wrapped label placed at `placed`, allowed to grow down by `room` pixels: the largest font
// at which its lines fit, and the height they take.
void fitWrappedLabel(QLabel& label, const QRect& placed, int room, int basePixels);

} // namespace ondivel
