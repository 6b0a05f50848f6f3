// The legibility measure the projection colours are held to: WCAG 2.x relative luminance and
// contrast ratio.
#include <gtest/gtest.h>

#include "core/contrast.h"

namespace ondivel {
namespace {

// Ratios worked out by hand from L = 0.2126 R + 0.7152 G + 0.0722 B of the linearised components
// (c / 12.92 up to 0.04045, ((c + 0.055) / 1.055)^2.4 above) and (L1 + 0.05) / (L2 + 0.05).
TEST(Contrast, RatiosOfKnownPairs) {
    struct Case {
        Color a, b;
        double ratio;
    };
    // clang-format off
    const Case cases[] = {
        {kBlack,             kWhite,             21.0},
        {kWhite,             kBlack,             21.0},   // either order
        {RGB(90, 90, 90),    RGB(90, 90, 90),    1.0},
        {RGB(118, 118, 118), kWhite,             4.542},  // the lightest grey that passes 4.5:1 on white
        {RGB(119, 119, 119), kWhite,             4.478},  // and the next one, which does not
        {RGB(255, 0, 0),     kWhite,             3.9985}, // L = 0.2126
        {RGB(0, 255, 0),     kBlack,             15.304}, // L = 0.7152
        {RGB(0, 0, 255),     kBlack,             2.444},  // L = 0.0722
        {RGB(5, 5, 5),       kBlack,             1.0304}, // on the straight part: L = 0.001518, not 0.001733
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.001) << std::hex << c.a << " on " << c.b;
}

} // namespace
} // namespace ondivel
