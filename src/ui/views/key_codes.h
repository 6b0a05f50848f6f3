#pragma once
// The key codes of the classic toolkit, which the window models' KeyDown handlers expect.
#include <qnamespace.h>

#include <optional>

#include "core/knob_steps.h"

namespace ondivel {

// Windows key code of a Qt key (F1 = 112, A = 65 …), 0 when it has none.
int windowsKeyCode(int qtKey);
// Shift mask of the classic toolkit: Shift 1, Ctrl 2, Alt 4.
int shiftMask(Qt::KeyboardModifiers modifiers);
// The key that operates a focused control, nullopt for the others.
std::optional<NavKey> navKeyOf(int qtKey);

} // namespace ondivel
