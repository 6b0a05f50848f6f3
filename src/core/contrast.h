#pragma once
// Legibility of one colour on another, as the web's accessibility guidelines (WCAG 2.x) measure
// it: relative luminance of sRGB colours and the contrast ratio between two of them. Used to
// choose the projection colours and to hold them to at least 4.5:1 for traces and texts.
#include "core/color.h"

namespace ondivel {

// 0 for black … 1 for white: the linearised sRGB components weighed 0.2126 red, 0.7152 green,
// 0.0722 blue.
double RelativeLuminance(Color c);

// (L_lighter + 0.05) / (L_darker + 0.05): 1 for equal luminances, 21 for black on white; the
// order of the arguments does not matter.
double ContrastRatio(Color a, Color b);

} // namespace ondivel
