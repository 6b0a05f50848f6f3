// The pointer's place in volts and time beside the cursor read-out: each mode's traces with their
// own calibres and positions, and a place that never covers the pointer nor leaves the screen.
// The spectrum and the evaluated mode, which hide it, are in pointer_volts.scn.
#include <gtest/gtest.h>

#include <string>

#include "bench/scope/bench_fixture.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/pointer_readout.h"
#include "bench/scope/scales.h"
#include "core/user_input.h"
#include "physics/cursor_readout.h"

namespace ondivel {
namespace {

class PointerVolts : public testing::Bench {
  protected:
    void SetUp() override { showSineAndSquare(); }
    void toMode(int mode) {
        while (scope().modeIndex() != mode)
            user::click(scope().cmdVoie[1]);
    }
};

TEST_F(PointerVolts, EachTraceReadsOnItsOwnCalibreAndPosition) {
    struct Case {
        int mode;
        int sensitivityCH1; // knob index: 5 is 2 V/div, 4 is 5 V/div
        double positionCH2; // screen units
        int timeBase;       // knob index: 8 is 1 ms/div, 9 is 0.5 ms/div
        const char* caption;
    };
    // The pointer at (250, 125): 2.5 divisions right of the middle, 1.25 up.
    // clang-format off
    const Case cases[] = {
        {ModeCH1,  5, 0,   8, "CH1 : 2,50 V ; t = 2,50 ms"},
        {ModeCH1,  4, 0,   9, "CH1 : 6,25 V ; t = 1,25 ms"},
        {ModeCH2,  5, 0,   8, "CH2 : 2,50 V ; t = 2,50 ms"},
        {ModeDUAL, 4, -50, 8, "CH1 : 6,25 V ; t = 2,50 ms\r\nCH2 : 3,50 V ; t = 2,50 ms"},
        // The sum's trace stands on both positions, on CH1's calibre.
        {ModeADD,  5, -50, 8, "CH1 + CH2 : 3,50 V ; t = 2,50 ms"},
        {ModeXY,   4, -50, 8, "X (CH1) : 12,5 V\r\nY (CH2) : 3,50 V"},
    };
    // clang-format on
    for (const Case& c : cases) {
        toMode(c.mode);
        user::drag(scope().Potentio[KnobSensitivityCH1], c.sensitivityCH1);
        user::drag(scope().Potentio[KnobPositionCH2], 700 + c.positionCH2);
        user::drag(scope().Potentio[KnobTimeBase], c.timeBase);
        ASSERT_EQ(app.g.PositionCH2, c.positionCH2);
        EXPECT_EQ(PointerVoltsCaption(app, 250, 125), c.caption) << c.mode;
    }
}

TEST_F(PointerVolts, ItKeepsClearOfThePointerAndInsideTheScreen) {
    struct Case {
        double x, y;
        double left, top;
    };
    // The front panel's read-out: 100 × 30 units, 30 right of the pointer and 20 under it; the
    // DUAL lines are 2 × 15 units high and 250 wide.
    // clang-format off
    const Case cases[] = {
        {0,    0,    30,  -54},  // under the read-out
        {400,  0,    250, -54},  // the read-out went left of the pointer; kept inside
        {0,   -340,  30,  -290}, // no room under the read-out: over the pointer
        {0,   -380,  30,  -316}, // the read-out went over the pointer: over it
    };
    // clang-format on
    Control& readout = scope().lblPositionCurseur;
    Control& volts = scope().lblPositionVolts;
    for (const Case& c : cases) {
        user::move(scope().picEcran, c.x, c.y);
        ASSERT_TRUE(volts.Visible);
        EXPECT_EQ(volts.Left, c.left) << c.x << ", " << c.y;
        EXPECT_EQ(volts.Top, c.top) << c.x << ", " << c.y;
        // Neither box holds the pointer.
        for (const Control* box : {&readout, &volts})
            EXPECT_FALSE(c.x >= box->Left && c.x <= box->Left + box->Width && c.y <= box->Top &&
                         c.y >= box->Top - box->Height)
                << c.x << ", " << c.y;
    }
    user::leave(scope().picEcran);
    EXPECT_FALSE(volts.Visible);
}

} // namespace
} // namespace ondivel
