#pragma once
// The program's own chrome at the zoom of the panels: the menu bar and its menus, the panels'
// title bars and the texts of the modal windows grow with it, so that a class reading a
// projected bench reads its menus too. Menus and title bars never go below the system's size
// (a small screen shrinks the panels, not the words that name them); a modal window's texts
// follow its box, which is sized at the zoom.
#include <QFont>

class QWidget;

namespace ondivel {

// The scale of the menus and the title bars at a zoom of the panels.
double ChromeScale(double zoom);
// The font at that scale, in the unit it was given in (points or pixels).
QFont ScaledFont(const QFont& base, double scale);

// Sets the texts of a window laid out by Qt (the options, the About box, the tip of the day) at
// the scale: its own font and those its widgets were given, each from the size it had at 1.
void ScaleTexts(QWidget& window, double scale);
// The scale ScaleTexts last set on the window, 1 before.
double TextScale(const QWidget& window);

} // namespace ondivel
