#include <gtest/gtest.h>

#include "core/user_input.h"
#include "scope/frm_ondivel.h"
#include "sources/bench_setup.h"
#include "sources/frm_dyn.h"

namespace ondivel {
namespace {

using testing::formatterReady;
using testing::settingsStoreReady;

constexpr int kAlternatorA = 14, kAlternatorB = 15;

class AlternatorPanel : public testing::BenchTest {
  protected:
    FrmDyn& open(int side) {
        user::click(toolbox.optConnexion[side == SideB ? kAlternatorB : kAlternatorA]);
        return app.frmDyn(side);
    }
    void expectSpeed(const FrmDyn& dyn, const char* caption) {
        if (formatterReady()) {
            EXPECT_EQ(dyn.lblVitesse.Caption, caption);
        }
    }
};

TEST_F(AlternatorPanel, OpensAtAThousandTurnsUnplugged) {
    FrmDyn& dyn = open(SideA);
    EXPECT_TRUE(dyn.Visible);
    EXPECT_EQ(dyn.Caption, "Alternateur de bicyclette - Voie CH1");
    EXPECT_EQ(g.SignalA, "Dyn");
    // 1000 tours/min is 104.72 rad/s, and a twenty-fifth of it in volts.
    EXPECT_NEAR(g.FrequenceA, 104.7198, 1e-4);
    EXPECT_NEAR(g.AmplitudeA, 4.1888, 1e-4);
    EXPECT_FALSE(g.SourceBrancheeA);
    expectSpeed(dyn, "1000 tours/min");
}

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
    EXPECT_EQ(dyn.Potentio[1].Value, 100);
    EXPECT_DOUBLE_EQ(g.FrequenceA, before);
    expectSpeed(dyn, "305 tours/min");

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

TEST_F(AlternatorPanel, SideBWritesItsOwnGlobalsAndColours) {
    FrmDyn& dynB = open(SideB);
    EXPECT_EQ(dynB.Caption, "Alternateur de bicyclette - Voie CH2");
    user::drag(dynB.Potentio[0], 300);
    EXPECT_NEAR(g.AmplitudeB, 1.2566, 1e-4);
    EXPECT_EQ(g.AmplitudeA, 0);
    EXPECT_EQ(dynB.shpBorne[0].FillColor, g.CouleurB);
    EXPECT_EQ(dynB.Top, 4935);
    EXPECT_EQ(dynB.Left, app.frmOndivel().Left + app.frmOndivel().Width);
}

TEST_F(AlternatorPanel, ClosingPanelBReleasesCh2Only) {
    open(SideA);
    FrmDyn& dynB = open(SideB);
    user::close(dynB);
    EXPECT_TRUE(toolbox.optConnexion[FrmToolBox::kNoneB].isOn());
    EXPECT_FALSE(toolbox.optConnexion[kAlternatorB].isOn());
    EXPECT_TRUE(toolbox.optConnexion[kAlternatorA].isOn());
    EXPECT_TRUE(app.frmDyn(SideA).loaded());
    EXPECT_EQ(g.SignalB, "Cc");
    EXPECT_EQ(g.SignalA, "Dyn");
}

TEST_F(AlternatorPanel, ReopensWhereItWasClosedAndAnswersF1) {
    FrmDyn& dyn = open(SideA);
    user::key(dyn, kKeyF1);
    ASSERT_FALSE(platform.helpRequests.empty());
    EXPECT_NE(platform.helpRequests.back().find("#3800"), std::string::npos);

    if (!settingsStoreReady()) GTEST_SKIP() << "settings store not available";
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
