#pragma once
// What the evaluation's dialogs share: their design geometry in twips (15 a pixel), laid out like
// tidy dialogs (labels left of their boxes, buttons bottom-right), and text boxes that select
// their whole text when entered. The desktop views draw the windows from this geometry.
#include <initializer_list>

namespace ondivel {

class Control;
class Form;

namespace dialog {

constexpr double kMargin = 240;
constexpr double kGap = 120;
constexpr double kRowPitch = 480;
constexpr double kLabelHeight = 255;
constexpr double kLabelDrop = 45; // a label's top below its box's, so their texts line up
constexpr double kBoxHeight = 315;
constexpr double kButtonHeight = 375;

void place(Control& c, double left, double top, double width, double height);
// Buttons of one width in a row ending at the right margin, in the given order.
void placeButtonsRight(std::initializer_list<Control*> buttons, double clientWidth, double top, double width);
// The window's outer size for a client area: borders and title bar added, as the classic toolkit
// counts a form's Width and Height.
void setClientSize(Form& form, double clientWidth, double clientHeight);

void SelectWholeText(Control& box);

} // namespace dialog
} // namespace ondivel
