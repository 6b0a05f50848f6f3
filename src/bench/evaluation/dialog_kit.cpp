#include "bench/evaluation/dialog_kit.h"

#include "core/form.h"
#include "core/win1252.h"

namespace ondivel::dialog {

namespace {
constexpr double kBorders = 120;
constexpr double kTitleBarAndBorders = 510;
} // namespace

void place(Control& c, double left, double top, double width, double height) {
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
}

void placeButtonsRight(std::initializer_list<Control*> buttons, double clientWidth, double top,
                       double width) {
    double left = clientWidth - kMargin - static_cast<double>(buttons.size()) * (width + kGap) + kGap;
    for (Control* b : buttons) {
        place(*b, left, top, width, kButtonHeight);
        left += width + kGap;
    }
}

void setClientSize(Form& form, double clientWidth, double clientHeight) {
    form.Width = clientWidth + kBorders;
    form.Height = clientHeight + kTitleBarAndBorders;
}

void SelectWholeText(Control& box) {
    box.SelStart = 0;
    box.SelLength = static_cast<int>(utf8ToCp1252(box.Text).size());
}

} // namespace ondivel::dialog
