#pragma once
// The default arrangement of the open panels inside the main window, applied by its menu entry
// "&Positionnement par défaut des fenêtres": the oscilloscope on the left, the source panels in a
// column at its right edge (side A at the top, side B lower), the multimeter under the
// oscilloscope, the chronometer at the foot of the source column and the answer window of an
// evaluation at its top.
#include <initializer_list>

namespace ondivel {

class Form;
class Ondivel;

// Positions in twips of the main window's client area.
inline constexpr double kLayoutScopeLeft = 720;
inline constexpr double kLayoutSideBTop = 4935;
// The width of the source column in which the chronometer is centred.
inline constexpr double kLayoutColumnWidth = 4125;

void DefaultWindowLayout(Ondivel& app);

// Moves `panel` down below each open panel of `neighbours` that it would cover, so that panels
// opened at the same default place stack instead of hiding one another.
void StackBelowOpenNeighbours(Form& panel, std::initializer_list<const Form*> neighbours);

} // namespace ondivel
