#pragma once
// Colours as the documents give them: 0x00BBGGRR integers.
#include <cstdint>

namespace ondivel {

using Color = std::uint32_t;

constexpr Color RGB(int r, int g, int b) {
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// Indicator lights are lit green and unlit white.
constexpr Color kLampOn = 65280;
constexpr Color kLampOff = 16777215;
constexpr Color kWhite = 16777215;
constexpr Color kBlack = 0;

} // namespace ondivel
