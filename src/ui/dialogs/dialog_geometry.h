#pragma once
// Where the controls of a window model go in a desktop dialog: their design rectangles in pixels
// at zoom 1, the frame each one sits in, and the client area of the window. Pure functions over
// the models, so the placement is tested without widgets.
#include <QRectF>
#include <QSizeF>
#include <vector>

namespace ondivel {

class Control;
class Form;

constexpr double kDialogTwipsPerPixel = 15;

// The control's rectangle (Left, Top, Width, Height in twips) in pixels.
QRectF designRect(const Control& c);

// The innermost frame whose rectangle holds the control's whole rectangle; null when none.
// Frames are the controls of kind Frame among `controls`; a frame never holds itself.
const Control* enclosingFrame(const Control& c, const std::vector<Control*>& controls);

// The client area of the window at zoom 1: the form's Width and Height less the window border
// and caption, grown to hold with a small margin every visible control that starts inside it.
QSizeF clientSize(const Form& form);

// True for the controls a dialog draws (not menus, timers, or the bench's own widgets).
bool drawnInDialog(const Control& c);

} // namespace ondivel
