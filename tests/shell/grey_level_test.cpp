#include <gtest/gtest.h>

#include "physics/grey_level.h"

namespace ondivel {
namespace {

// Expected levels worked out by hand: (150·G + 77·R + 28·B) \ 256 + 1.
TEST(GreyLevel, WeighsGreenMostThenRedThenBlueAndNeverReachesZero) {
    struct Case {
        Color colour;
        int level;
    };
    // clang-format off
    const Case cases[] = {
        {kWhite,            255}, // 65025 \ 256 = 254
        {kBlack,            1},
        {RGB(255, 255, 0),  227}, // the default CH1 yellow: 57885 \ 256 = 226
        {RGB(0, 128, 64),   83},  // the default CH2 colour: 20992 \ 256 = 82
        {RGB(167, 169, 154), 167}, // the default screen: 42521 \ 256 = 166
        {RGB(255, 0, 0),    77},
        {RGB(0, 255, 0),    150},
        {RGB(0, 0, 255),    28},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(GreyValue(c.colour), c.level) << c.colour;
        const Color grey = GreyLevel(c.colour);
        EXPECT_EQ(redOf(grey), c.level) << c.colour;
        EXPECT_EQ(greenOf(grey), c.level) << c.colour;
        EXPECT_EQ(blueOf(grey), c.level) << c.colour;
    }
}

} // namespace
} // namespace ondivel
