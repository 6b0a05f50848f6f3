#include "bench/scope/pointer_readout.h"

#include <algorithm>

#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "bench/scope/cursor_measures.h"
#include "bench/scope/frm_ondivel.h"
#include "core/control.h"

namespace ondivel {

namespace {
constexpr double kLeftEdge = -500, kRightEdge = 500, kBottomEdge = -400;
constexpr double kLineHeight = 15; // screen units, half the read-out's two lines
constexpr double kWidth = 250;     // room for "CH1 + CH2 : -12,5 V ; t = -2,50 ms"
constexpr double kGap = 4;
} // namespace

std::string PointerVoltsCaption(const Ondivel& app, double x, double y) {
    const FrmOndivel& scope = app.frmOndivel();
    const int mode = scope.modeIndex();
    if (!app.mdi().ModeLibre || !scope.isOn() || mode == ModeNone) return {};
    const Globals& g = app.g;
    if (mode == ModeXY)
        return "X (CH1) : " + VoltageText(CursorVoltage(x, g.PositionCH1, g.SensibiliteCH1)) +
               "\r\nY (CH2) : " + VoltageText(CursorVoltage(y, g.PositionCH2, g.SensibiliteCH2));
    if (scope.chkFFT.Value == kChecked) return {};
    const std::string time = " ; t = " + TimeText(CursorTime(x, g.PositionH, g.BaseTemps));
    const auto line = [&](const char* name, double position, double sensitivity) {
        return std::string(name) + " : " + VoltageText(CursorVoltage(y, position, sensitivity)) + time;
    };
    switch (mode) {
    case ModeCH1:
        return line("CH1", g.PositionCH1, g.SensibiliteCH1);
    case ModeCH2:
        return line("CH2", g.PositionCH2, g.SensibiliteCH2);
    case ModeDUAL:
        return line("CH1", g.PositionCH1, g.SensibiliteCH1) + "\r\n" +
               line("CH2", g.PositionCH2, g.SensibiliteCH2);
    case ModeADD:
        // The sum is drawn from both positions on CH1's scale.
        return line("CH1 + CH2", g.PositionCH1 + g.PositionCH2, g.SensibiliteCH1);
    default:
        return {};
    }
}

void PlacePointerVolts(const Ondivel& app, Control& label, const Control& readout, double x, double y) {
    label.Caption = PointerVoltsCaption(app, x, y);
    if (label.Caption.empty()) {
        label.Visible = false;
        return;
    }
    const double lines =
        1 + static_cast<double>(std::count(label.Caption.begin(), label.Caption.end(), '\n'));
    label.Width = kWidth;
    label.Height = lines * kLineHeight;
    label.Left = std::clamp(readout.Left, kLeftEdge, kRightEdge - kWidth);
    // Under the read-out, on the side away from the pointer; over it when the read-out itself went
    // above the pointer; over the pointer, as far from it as the read-out is, when there is no
    // room left under the read-out. Neither ever covers the pointer.
    const double under = readout.Top - readout.Height - kGap;
    if (readout.Top > y)
        label.Top = readout.Top + kGap + label.Height;
    else if (under - label.Height >= kBottomEdge)
        label.Top = under;
    else
        label.Top = y + (y - readout.Top) + label.Height;
    label.Visible = true;
}

} // namespace ondivel
