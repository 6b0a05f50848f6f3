#include <gtest/gtest.h>

#include "core/user_input.h"
#include "scope/frm_ondivel.h"
#include "sources/bench_setup.h"
#include "sources/frm_dyn.h"

namespace ondivel {
namespace {

constexpr int kAlternatorA = 14, kAlternatorB = 15;

class AlternatorPanel : public testing::BenchTest {
  protected:
    FrmDyn& open(int side) {
        user::click(toolbox.optConnexion[side == SideB ? kAlternatorB : kAlternatorA]);
        return app.frmDyn(side);
    }
    static void expectSpeed(const FrmDyn& dyn, const char* caption) {
        EXPECT_EQ(dyn.lblVitesse.Caption, caption);
    }
};

TEST_F(AlternatorPanel, SpeedGivesAngularFrequencyAndVoltage) {
    FrmDyn& dyn = open(SideA);
    struct Case {
        double knob, frequency, amplitude;
        const char* caption;
    };
    // Worked out by hand: f = 2·pi·N/60, U = f/25.
    for (const Case c :
         {Case{300, 31.4159, 1.2566, "300 tours/min"}, Case{0, 0, 0, "0 tours/min"},
          Case{2500, 261.7994, 10.4720, "2500 tours/min"}, Case{3000, 261.7994, 10.4720, "2500 tours/min"}}) {
        SCOPED_TRACE(c.knob);
        user::drag(dyn.Potentio[0], c.knob);
        EXPECT_NEAR(g.FrequenceA, c.frequency, 1e-4);
        EXPECT_NEAR(g.AmplitudeA, c.amplitude, 1e-4);
        expectSpeed(dyn, c.caption);
    }
}

TEST_F(AlternatorPanel, FineKnobAddsTenthsAndTheSpeedKnobRecentresIt) {
    FrmDyn& dyn = open(SideA);
    user::drag(dyn.Potentio[0], 300);
    user::drag(dyn.Potentio[1], 200); // +10 tours/min at the right end
    EXPECT_NEAR(g.FrequenceA, 2 * 3.14159265358979 * 310 / 60, 1e-9);
    expectSpeed(dyn, "310 tours/min");
    user::drag(dyn.Potentio[1], 0); // -10 at the left end
    expectSpeed(dyn, "290 tours/min");

    user::drag(dyn.Potentio[0], 600);
    EXPECT_EQ(dyn.Potentio[1].Value, 100);
    expectSpeed(dyn, "600 tours/min");
}

TEST_F(AlternatorPanel, DoubleClickCentresTheFineKnobButTheSpeedWaitsForThePress) {
    FrmDyn& dyn = open(SideA);
    user::drag(dyn.Potentio[0], 300);
    user::drag(dyn.Potentio[1], 150);
    const double before = g.FrequenceA;
    user::dblClick(dyn.Potentio[1]);
    EXPECT_DOUBLE_EQ(g.FrequenceA, before);
    user::press(dyn.Potentio[1]);
    EXPECT_NEAR(g.FrequenceA, 31.4159, 1e-4);
    // A double-click on the speed knob changes nothing.
    user::dblClick(dyn.Potentio[0]);
    EXPECT_EQ(dyn.Potentio[0].Value, 300);
}

TEST_F(AlternatorPanel, AnyMouseButtonTurnsTheSpeed) {
    FrmDyn& dyn = open(SideA);
    user::drag(dyn.Potentio[0], 300, kRightButton);
    EXPECT_NEAR(g.AmplitudeA, 1.2566, 1e-4);
}

TEST_F(AlternatorPanel, BothPlugsDeliverAndEitherPlugPulledStops) {
    FrmDyn& dyn = open(SideA);
    user::click(dyn.imgBorne[1]);
    EXPECT_FALSE(g.SourceBrancheeA);
    user::click(dyn.imgBorne[0]);
    EXPECT_TRUE(g.SourceBrancheeA);
    EXPECT_TRUE(dyn.imgFiche[0].Visible && dyn.imgFiche[1].Visible);
    user::click(dyn.imgFiche[1]); // the plug covers its terminal
    EXPECT_FALSE(g.SourceBrancheeA);
    EXPECT_FALSE(dyn.imgFiche[1].Visible);
}

TEST_F(AlternatorPanel, ReopensWhereItWasClosedWithTheKnobAfresh) {
    FrmDyn& dyn = open(SideA);
    dyn.Left = 3000;
    dyn.Top = 1200;
    user::drag(dyn.Potentio[0], 2000);
    user::close(dyn);
    FrmDyn& again = open(SideA);
    EXPECT_EQ(again.Left, 3000);
    EXPECT_EQ(again.Top, 1200);
    // The knob starts afresh; the plugs are out.
    EXPECT_EQ(again.Potentio[0].Value, 1000);
    EXPECT_FALSE(again.imgFiche[0].Visible);
}

} // namespace
} // namespace ondivel
