#pragma once
// Design geometry of the teacher's dialogs, in twips relative to the window's client area (a
// control inside a frame is placed in window coordinates too).
#include "core/control.h"

namespace ondivel {

inline void Place(Control& c, double left, double top, double width, double height) {
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
}

} // namespace ondivel
