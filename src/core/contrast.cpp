#include "core/contrast.h"

#include <algorithm>
#include <cmath>

namespace ondivel {

namespace {

// One 8-bit sRGB component back to linear light. WCAG 2.0 wrote the threshold 0.03928, the sRGB
// standard 0.04045: no 8-bit value lies between them, so both give the same result.
double linear(int component) {
    const double c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double RelativeLuminance(Color c) {
    return 0.2126 * linear(redOf(c)) + 0.7152 * linear(greenOf(c)) + 0.0722 * linear(blueOf(c));
}

double ContrastRatio(Color a, Color b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace ondivel
