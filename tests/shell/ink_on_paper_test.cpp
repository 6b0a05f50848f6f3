// Traces printed on white paper: a light screen colour is darkened, keeping its hue; a dark one
// is printed as it is.
#include <gtest/gtest.h>

#include "physics/grey_level.h"

namespace ondivel {
namespace {

TEST(InkOnPaper, LightColoursAreDarkenedToALegibleGreyKeepingTheirHue) {
    const Color yellow = RGB(255, 255, 0);
    const Color printed = InkOnPaper(yellow);
    EXPECT_LE(GreyValue(printed), kPaperInkGrey + 1);
    EXPECT_GE(GreyValue(printed), kPaperInkGrey - 2);
    EXPECT_EQ(redOf(printed), greenOf(printed)); // still a yellow
    EXPECT_EQ(blueOf(printed), 0);
    EXPECT_GT(redOf(printed), 150);
    EXPECT_EQ(GreyValue(InkOnPaper(kWhite)), GreyValue(InkOnPaper(RGB(200, 200, 200))));

    for (Color dark : {kBlack, RGB(0, 0, 255), RGB(200, 0, 0), RGB(0, 128, 0)})
        EXPECT_EQ(InkOnPaper(dark), dark);
}

} // namespace
} // namespace ondivel
