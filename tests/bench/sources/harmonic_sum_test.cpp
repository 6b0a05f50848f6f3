#include <gtest/gtest.h>

#include "bench/scope/bench_fixture.h"
#include "bench/sources/harmonic_sum.h"
#include "physics/waveforms.h"

namespace ondivel {
namespace {

using HarmonicSum = testing::Bench;

TEST_F(HarmonicSum, FundamentalAloneIsTheSinePlusTheMeanValueReadAtEachCall) {
    harmonicPanelAtRest(SideA);
    app.frmHarmoniqueA().sldX0.Value = 2;
    for (double t : {0.0, 0.1e-3, 0.37e-3, -0.8e-3})
        EXPECT_NEAR(HarmonicSumValue(app, SideA, t, 1000, 3), SineValue(t, 1000, 3, 0, 0) + 2, 1e-12) << t;
    app.frmHarmoniqueA().sldAmpli[0].Value = -250;
    EXPECT_NEAR(HarmonicSumValue(app, SideA, 0.25e-3, 1000, 4), 1 + 2, 1e-12);
}

TEST_F(HarmonicSum, OrdersScaleByTheirSliderAndTurnByQuarterTurns) {
    harmonicPanelAtRest(SideB);
    FrmHarmonique& h = app.frmHarmoniqueB();
    h.sldAmpli[0].Min = 0;      // a slider without a lower end leaves its order out
    h.sldAmpli[2].Value = -500; // order 3 at 50 %
    h.sldPhase[2].Value = 1;    // a quarter turn: a cosine
    // 100 Hz, A = 4: 2·cos(2π·300·t).
    EXPECT_NEAR(HarmonicSumValue(app, SideB, 0, 100, 4), 2, 1e-12);
    EXPECT_NEAR(HarmonicSumValue(app, SideB, 1.0 / 600, 100, 4), -2, 1e-12);
    EXPECT_DOUBLE_EQ(HarmonicSumValue(app, 2, 0, 100, 4), 0);
}

} // namespace
} // namespace ondivel
