#include "physics/grey_level.h"

namespace ondivel {

int GreyValue(Color c) {
    const int r = redOf(c), g = greenOf(c), b = blueOf(c);
    return (150 * g + 77 * r + 28 * b) / 256 + 1;
}

Color GreyLevel(Color c) {
    return static_cast<Color>(GreyValue(c)) * 65793u;
}

Color InkOnPaper(Color c) {
    const int grey = GreyValue(c);
    if (grey <= kPaperInkGrey) return c;
    auto darken = [grey](int v) { return v * kPaperInkGrey / grey; };
    return RGB(darken(redOf(c)), darken(greenOf(c)), darken(blueOf(c)));
}

} // namespace ondivel
