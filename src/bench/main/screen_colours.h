#pragma once
// The five screen colours in the order of the options window's optColor/shpColor arrays, with
// their settings keys, defaults, print presets and projection presets. Used by the preferences,
// the options window and the full-screen view.
#include <array>

#include "core/color.h"

namespace ondivel {

struct ScreenColour {
    const char* key;   // in section "Options"
    Color byDefault;   // also what a missing or empty key gives
    Color forPrinting; // the "Couleurs pour l'impression" preset
    // The "Couleurs pour la projection" preset: bright traces on a dark screen, each trace and
    // text at least 4.5:1 against the screen, the graticule at least 3:1, so that the picture
    // survives a projector's washed-out blacks and the back rows of a classroom.
    Color forProjection;
};

// clang-format off
inline constexpr std::array<ScreenColour, 5> kScreenColours{{
    {"ColorYa",     65535,    0,        RGB(255, 230, 0)},   // trace CH1: yellow, printed black
    {"ColorYb",     4227072,  0,        RGB(0, 220, 255)},   // trace CH2, printed black, projected cyan
    {"ColorGrille", 0,        8421504,  RGB(140, 140, 140)}, // grid: black, printed grey
    {"ColorScreen", 10135975, 16777215, RGB(10, 14, 24)},    // screen: RGB(167, 169, 154), printed white
    {"ColorCadre",  0,        8421504,  RGB(200, 200, 200)}, // frame: black, printed grey
}};
// clang-format on

// The sets of colours the options window's preset buttons put in its samples.
enum class ColourPreset { Default, Printing, Projection };

constexpr Color PresetColour(const ScreenColour& c, ColourPreset preset) {
    switch (preset) {
    case ColourPreset::Printing:
        return c.forPrinting;
    case ColourPreset::Projection:
        return c.forProjection;
    default:
        return c.byDefault;
    }
}

enum ScreenColourIndex { kColourTraceA = 0, kColourTraceB, kColourGrid, kColourScreen, kColourFrame };

} // namespace ondivel
