#pragma once
// The grey copy of a colour used by the grey-level clipboard copy: the luminance weighted
// 77/150/28 over 256 for red/green/blue, plus one, in all three bytes. White gives 255, black 1.
#include "core/color.h"

namespace ondivel {

// The grey level itself, 1 to 255.
int GreyValue(Color c);
// The grey colour: GreyValue(c) × 65793 (0x010101).
Color GreyLevel(Color c);
// The colour a trace is printed in on white paper: its own, darkened in proportion when it is
// lighter than grey level kPaperInkGrey (the screen's yellow would hardly show on paper).
inline constexpr int kPaperInkGrey = 150;
Color InkOnPaper(Color c);

} // namespace ondivel
