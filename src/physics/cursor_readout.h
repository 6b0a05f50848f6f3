#pragma once
// The cursor read-out shown over the oscilloscope screen: the pointer's position in divisions
// from the screen centre, in a label kept beside the pointer and inside the screen. Used by the
// front panel and the full-screen view.
#include <string>

namespace ondivel {

class Control;

// " x = 1.25 div \r\n  y = -0.50 div " for the screen point (125, −50).
std::string CursorReadoutCaption(double x, double y);

// Moves the label (Width and Height in screen units) to left = x + gapX, or x − Width when it
// would pass the right edge; top = y − gapY, or y + Height when it would pass the bottom edge.
// Then shows it.
void PlaceCursorReadout(Control& label, double x, double y, double gapX, double gapY);

} // namespace ondivel
