#pragma once
// The five screen colours in the order of the options window's optColor/shpColor arrays, with
// their settings keys, defaults and print presets. Used by the preferences and the options window.
#include <array>

#include "core/color.h"

namespace ondivel {

struct ScreenColour {
    const char* key;   // in section "Options"
    Color byDefault;   // also what a missing or empty key gives
    Color forPrinting; // the "Couleurs pour l'impression" preset
};

// clang-format off
inline constexpr std::array<ScreenColour, 5> kScreenColours{{
    {"ColorYa",     65535,    0},        // trace CH1: yellow, printed black
    {"ColorYb",     4227072,  0},        // trace CH2, printed black
    {"ColorGrille", 0,        8421504},  // grid: black, printed grey
    {"ColorScreen", 10135975, 16777215}, // screen: RGB(167, 169, 154), printed white
    {"ColorCadre",  0,        8421504},  // frame: black, printed grey
}};
// clang-format on

enum ScreenColourIndex { kColourTraceA = 0, kColourTraceB, kColourGrid, kColourScreen, kColourFrame };

} // namespace ondivel
