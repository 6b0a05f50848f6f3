// The grey copy of a colour (the grey clipboard picture) and the ink a trace is printed in on
// white paper: a light screen colour is darkened, keeping its hue; a dark one is printed as it is.
#include <gtest/gtest.h>

#include "physics/grey_level.h"

namespace ondivel {
namespace {

// Levels and inks worked out by hand: level = (150·G + 77·R + 28·B) \ 256 + 1; above level 150
// each byte is scaled by 150 / level, rounded down.
TEST(GreyLevel, WeighsGreenMostThenRedThenBlueAndPrintsLightColoursDarker) {
    struct Case {
        Color colour;
        int level;
        Color ink;
    };
    // clang-format off
    const Case cases[] = {
        {kWhite,             255, RGB(150, 150, 150)}, // 65025 \ 256 = 254
        {RGB(200, 200, 200), 200, RGB(150, 150, 150)}, // prints as white does
        {kBlack,             1,   kBlack},
        {RGB(255, 255, 0),   227, RGB(168, 168, 0)},   // the default CH1 yellow: 57885 \ 256 = 226
        {RGB(0, 128, 64),    83,  RGB(0, 128, 64)},    // the default CH2 colour: 20992 \ 256 = 82
        {RGB(167, 169, 154), 167, RGB(150, 151, 138)}, // the default screen: 42521 \ 256 = 166
        {RGB(255, 0, 0),     77,  RGB(255, 0, 0)},
        {RGB(200, 0, 0),     61,  RGB(200, 0, 0)},
        {RGB(0, 255, 0),     150, RGB(0, 255, 0)},     // at the limit
        {RGB(0, 128, 0),     76,  RGB(0, 128, 0)},
        {RGB(0, 0, 255),     28,  RGB(0, 0, 255)},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(GreyValue(c.colour), c.level) << c.colour;
        const Color grey = GreyLevel(c.colour);
        EXPECT_EQ(redOf(grey), c.level) << c.colour;
        EXPECT_EQ(greenOf(grey), c.level) << c.colour;
        EXPECT_EQ(blueOf(grey), c.level) << c.colour;

        const Color ink = InkOnPaper(c.colour);
        EXPECT_EQ(ink, c.ink) << c.colour;
        // Legible on paper: about the grey of kPaperInkGrey, never lighter.
        if (c.level > kPaperInkGrey) {
            EXPECT_LE(GreyValue(ink), kPaperInkGrey + 1) << c.colour;
            EXPECT_GE(GreyValue(ink), kPaperInkGrey - 2) << c.colour;
        }
    }
}

} // namespace
} // namespace ondivel
