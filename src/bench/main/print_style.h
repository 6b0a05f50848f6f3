#pragma once
// How one trace is printed, from section "Impression" of the settings file: its line style and
// its optional marker, a glyph of the Wingdings symbol font at a size in points.
#include <string>

#include "core/surface.h"

namespace ondivel {

class Ondivel;

// The marker glyphs offered by the options window, in its list order: diamond, disc, hollow
// square, small diamond, square.
inline constexpr const char* kMarkerGlyphs[] = {"u", "l", "o", "t", "n"};
inline constexpr int kMarkerSizes[] = {8, 10, 12, 14, 16};
inline constexpr const char* kMarkerFont = "Wingdings";

struct PrintStyle {
    LineStyle line = LineStyle::Solid;
    bool marker = true;
    std::string glyph = "u";
    int points = 8;
};

// Trace 0 is A (CH1), 1 is B (CH2). An index outside its list takes the first entry, as the
// options window does.
PrintStyle ReadPrintStyle(const Ondivel& app, int trace);

} // namespace ondivel
