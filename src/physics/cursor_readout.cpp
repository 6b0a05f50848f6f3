#include "physics/cursor_readout.h"

#include "core/control.h"
#include "core/format.h"

namespace ondivel {

namespace {
constexpr double kRightEdge = 500;
constexpr double kBottomEdge = -400;
} // namespace

std::string CursorReadoutCaption(double x, double y) {
    return " x = " + FormatNumber(x / 100, "0.00") + " div \r\n  y = " + FormatNumber(y / 100, "0.00") +
           " div ";
}

void PlaceCursorReadout(Control& label, double x, double y, double gapX, double gapY) {
    label.Left = x + gapX + label.Width > kRightEdge ? x - label.Width : x + gapX;
    label.Top = y - gapY - label.Height < kBottomEdge ? y + label.Height : y - gapY;
    label.Visible = true;
}

} // namespace ondivel
