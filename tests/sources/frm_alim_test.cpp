#include <gtest/gtest.h>

#include "core/user_input.h"
#include "scope/frm_ondivel.h"
#include "sources/bench_setup.h"
#include "sources/frm_alim.h"
#include "sources/voltage_readout.h"

namespace ondivel {
namespace {

void expectReadout(const FrmAlim& alim, const char* text) {
    EXPECT_EQ(alim.lblAffichage.Caption, text);
}

class AlimPanel : public testing::BenchTest {
  protected:
    // The user chooses "Alimentation stabilisée"; the panel draws `r` for its start voltage.
    FrmAlim& openAlim(int side, double r = 0.5) {
        platform.randomValues = {r};
        user::click(toolbox.optConnexion[side == SideB ? 9 : 2]);
        return app.frmAlim(side);
    }
    static void switchOnAndPlug(FrmAlim& alim, int signalPlug) {
        user::click(alim.chkOnOff);
        user::click(alim.imgBorne[FrmAlim::kPlugCom]);
        user::click(alim.imgBorne[signalPlug]);
    }
};

TEST(VoltageReadout, ShowsTheMagnitudeWithTwoDecimalsBelowTenVoltsAndOneAbove) {
    EXPECT_EQ(VoltageReadoutText(9.994), "9,99");
    EXPECT_EQ(VoltageReadoutText(12.34), "12,3");
    EXPECT_EQ(VoltageReadoutText(0), "0,00");
    EXPECT_EQ(VoltageReadoutText(-4.5), "4,50");
    EXPECT_EQ(VoltageReadoutText(30), "30,0");
    EXPECT_EQ(VoltageReadoutText(10), "10,0");
}

TEST_F(AlimPanel, StartsOffAtARandomVoltageShownOnlyByTheKnob) {
    g.FrequenceA = 50;
    FrmAlim& alim = openAlim(SideA, 0.123456);
    EXPECT_NEAR(g.AmplitudeA, 3.70368, 1e-12) << "not rounded";
    EXPECT_NEAR(alim.Potentio[0].Value, 370.368, 1e-9);
    EXPECT_DOUBLE_EQ(alim.Potentio[1].Value, 10);
    EXPECT_DOUBLE_EQ(g.FrequenceA, 0);
    EXPECT_EQ(g.SignalA, "Cc");
    EXPECT_FALSE(alim.lblLEDCourant.Visible);
    EXPECT_EQ(app.frmAlim(SideB).Caption, "Alimentation stabilisée - Voie CH2");
    EXPECT_EQ(alim.shpConnection[3].FillColor, g.CouleurA);
    // Switched on, the read-out catches up with the knob.
    user::click(alim.chkOnOff);
    EXPECT_TRUE(alim.lblLEDCourant.Visible);
    EXPECT_EQ(alim.lblAffichage.Caption, "3,70");
}

TEST_F(AlimPanel, DeliversOnlyWhenOnWithTheCommonPlugAndOneSignalPlug) {
    FrmAlim& alim = openAlim(SideB);
    EXPECT_EQ(alim.shpConnection[0].FillColor, g.CouleurB);
    user::click(alim.imgBorne[FrmAlim::kPlugPos]);
    user::click(alim.chkOnOff);
    EXPECT_FALSE(g.SourceBrancheeB) << "no common plug";
    user::click(alim.imgBorne[FrmAlim::kPlugCom]);
    EXPECT_TRUE(g.SourceBrancheeB);
    user::click(alim.imgFiche[FrmAlim::kPlugPos]);
    EXPECT_FALSE(g.SourceBrancheeB) << "no signal plug";
    user::click(alim.imgBorne[FrmAlim::kPlugNeg]);
    EXPECT_TRUE(g.SourceBrancheeB);
    user::click(alim.chkOnOff);
    EXPECT_FALSE(g.SourceBrancheeB) << "switched off";
    EXPECT_FALSE(alim.lblSigne.Visible) << "a dark display shows no sign";
    EXPECT_FALSE(g.SourceBrancheeA) << "side A is untouched";
}

TEST_F(AlimPanel, SignalPlugOnNegGivesANegativeVoltageWithItsSign) {
    FrmAlim& alim = openAlim(SideA, 0.2); // 6 V
    switchOnAndPlug(alim, FrmAlim::kPlugNeg);
    // Turning the knob keeps the sign of the terminal.
    user::drag(alim.Potentio[0], 1234);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, -12.34);
    expectReadout(alim, "12,3");

    // The plug moves to POS: one signal plug only, positive, no sign.
    user::click(alim.imgBorne[FrmAlim::kPlugPos]);
    EXPECT_FALSE(alim.imgFiche[FrmAlim::kPlugNeg].Visible);
    EXPECT_TRUE(alim.imgFiche[FrmAlim::kPlugPos].Visible);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, 12.34);
    EXPECT_FALSE(alim.lblSigne.Visible);
    EXPECT_TRUE(g.SourceBrancheeA);

    // And back to NEG, then pulled out: positive again.
    user::click(alim.imgBorne[FrmAlim::kPlugNeg]);
    EXPECT_FALSE(alim.imgFiche[FrmAlim::kPlugPos].Visible);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, -12.34);
    user::click(alim.imgFiche[FrmAlim::kPlugNeg]);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, 12.34);
    EXPECT_FALSE(alim.lblSigne.Visible);
    EXPECT_FALSE(g.SourceBrancheeA);
}

TEST_F(AlimPanel, KnobsSetTheVoltageInsideZeroToThirtyVolts) {
    FrmAlim& alim = openAlim(SideA);
    switchOnAndPlug(alim, FrmAlim::kPlugPos);
    struct Case {
        double coarse, fine, volts;
        const char* text;
    };
    // The coarse knob first (which recentres the fine one), then the fine knob.
    for (const Case c :
         {Case{999.4, 10, 9.994, "9,99"}, Case{1200, 15, 12.5, "12,5"}, Case{1200, 0, 11, "11,0"},
          Case{3000, 20, 30, "30,0"}, Case{0, 0, 0, "0,00"}, Case{5, 0, 0, "0,00"}}) {
        SCOPED_TRACE(c.coarse);
        user::drag(alim.Potentio[0], c.coarse);
        EXPECT_DOUBLE_EQ(alim.Potentio[1].Value, 10);
        user::drag(alim.Potentio[1], c.fine);
        EXPECT_NEAR(g.AmplitudeA, c.volts, 1e-12);
        expectReadout(alim, c.text);
    }
    // The current knob only recomputes from the two voltage knobs.
    user::drag(alim.Potentio[0], 800);
    user::drag(alim.Potentio[2], 70);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, 8);
}

TEST_F(AlimPanel, DoubleClickMovesAKnobToMidScaleButNotTheOutput) {
    FrmAlim& alim = openAlim(SideA);
    switchOnAndPlug(alim, FrmAlim::kPlugPos);
    user::drag(alim.Potentio[0], 600);
    user::drag(alim.Potentio[1], 13);
    user::dblClick(alim.Potentio[0]);
    user::dblClick(alim.Potentio[1]);
    EXPECT_DOUBLE_EQ(alim.Potentio[1].Value, 10);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, 6.3);
    // The next drag of the fine knob picks the coarse knob up where it now stands.
    user::drag(alim.Potentio[1], 12);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, 15.2);
}

TEST_F(AlimPanel, OpensBesideTheOscilloscopeAndClosingReleasesTheChannel) {
    app.frmOndivel().Left = 300;
    app.frmOndivel().Width = 9000;
    FrmAlim& a = openAlim(SideA);
    EXPECT_DOUBLE_EQ(a.Left, 9300);
    EXPECT_DOUBLE_EQ(a.Top, 0);
    user::close(a);
    EXPECT_TRUE(toolbox.optConnexion[FrmToolBox::kNoneA].isOn());
    EXPECT_DOUBLE_EQ(g.AmplitudeA, 0);
}

} // namespace
} // namespace ondivel
