// The beam spot under a clock that jumps: forward by a day (a suspended computer) or back and
// forth (a clock set by the network). The spot never runs backwards, leaves the frame in one
// step and sweeps on at its usual speed, without catching up on the missed time.
#include <gtest/gtest.h>

#include "scope/bench_fixture.h"
#include "scope/scales.h"
#include "scope/sweep.h"

namespace ondivel {
namespace {

// CH1 on a 2 V direct voltage at 10 ms/div: the spot crosses a division every 10 ms.
class SweepClockJump : public testing::Bench {
  protected:
    void SetUp() override {
        switchOnAndPlug();
        app.g.FrequenceCompteur = platform.counterFrequency();
        user::click(scope().cmdVoie[0]); // DUAL → CH2
        user::click(scope().cmdVoie[0]); // CH2 → CH1
        source(SideA, "Cc", 2, 0);
        user::drag(scope().Potentio[KnobTimeBase], 5);
    }
    void tick() {
        Control& timer = scope().tmrSpot;
        if (timer.timerRunning()) timer.raise(timer.on.Timer);
    }
    double spot() const { return app.g.PositionSpot; }
};

TEST_F(SweepClockJump, ADayForwardRestartsTheSweepAtTheLeftEdgeInOneStep) {
    const double start = spot();
    platform.advanceSeconds(0.01);
    tick();
    ASSERT_NEAR(spot(), start + 100, 1e-6);
    platform.advanceSeconds(86400);
    tick();
    EXPECT_DOUBLE_EQ(spot(), -500);
    // The piece of that tick was the usual one (four divisions at most), drawn before the jump.
    EXPECT_NEAR(*screen().minX(app.g.CouleurA), start + 100, 1e-6);
    EXPECT_LE(*screen().maxX(app.g.CouleurA), start + 500 + 1e-6);
    platform.advanceSeconds(0.02);
    tick();
    EXPECT_NEAR(spot(), -300, 1e-6);
}

TEST_F(SweepClockJump, AClockSteppingBackAndForthOnlyEverMovesTheSpotOnByTheForwardSteps) {
    const double start = spot();
    double previous = start;
    for (int i = 0; i < 20; ++i) {
        platform.advanceSeconds(-0.003);
        tick();
        EXPECT_DOUBLE_EQ(spot(), previous) << "step " << i;
        platform.advanceSeconds(0.002);
        tick();
        EXPECT_NEAR(spot(), previous + 20, 1e-6) << "step " << i;
        previous = spot();
    }
    EXPECT_NEAR(spot(), start + 20 * 20, 1e-6);
}

} // namespace
} // namespace ondivel
