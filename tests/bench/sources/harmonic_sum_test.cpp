#include <gtest/gtest.h>

#include "bench/scope/bench_fixture.h"
#include "bench/scope/frm_ondivel.h"
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

TEST_F(HarmonicSum, TheMeanValueLeavesInAcCouplingOnlyWithTheRealisticOption) {
    harmonicPanelAtRest(SideB);
    app.frmHarmoniqueB().sldX0.Value = 2;
    const auto lightCH2 = [this](Coupling c) {
        for (int k = 0; k < 3; ++k)
            app.frmOndivel().shpACDC[3 + k].FillColor = k == static_cast<int>(c) ? kLampOn : kLampOff;
    };
    const double t = 0.1e-3, sine = SineValue(t, 1000, 3, 0, 0);
    lightCH2(Coupling::AC);
    EXPECT_NEAR(HarmonicSumValue(app, SideB, t, 1000, 3), sine + 2, 1e-12);
    app.g.CouplageACBloqueDC = true;
    EXPECT_NEAR(HarmonicSumValue(app, SideB, t, 1000, 3), sine, 1e-12);
    app.frmHarmoniqueA().sldX0.Value = 2; // CH1 is not in AC coupling
    EXPECT_NEAR(HarmonicSumValue(app, SideA, 0, 1000, 0), 2, 1e-12);
    lightCH2(Coupling::DC);
    EXPECT_NEAR(HarmonicSumValue(app, SideB, t, 1000, 3), sine + 2, 1e-12);
}

} // namespace
} // namespace ondivel
