#include <gtest/gtest.h>

#include "bench/scope/bench_fixture.h"
#include "bench/sources/frm_alim.h"
#include "bench/sources/voltage_readout.h"
#include "core/user_input.h"

namespace ondivel {
namespace {

// The knobs, their 0…30 V bounds and the plugs on screen are the alim_* scenarios'.
class AlimPanel : public testing::BenchTest {
  protected:
    // The user chooses "Alimentation stabilisée"; the panel draws `r` for its start voltage.
    FrmAlim& openAlim(int side, double r = 0.5) {
        platform.randomValues = {r};
        user::click(toolbox.optConnexion[side == SideB ? 9 : 2]);
        return app.frmAlim(side);
    }
};

TEST(VoltageReadout, ShowsTheMagnitudeWithTwoDecimalsBelowTenVoltsAndOneAbove) {
    // clang-format off
    const struct { double volts; const char* text; } cases[] = {
        {9.994, "9,99"}, {12.34, "12,3"}, {0, "0,00"}, {-4.5, "4,50"}, {30, "30,0"}, {10, "10,0"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(VoltageReadoutText(c.volts), c.text) << c.volts;
}

TEST_F(AlimPanel, StartsOffAtAnUnroundedRandomVoltageAndDeliversOnlyWithTheCommonPlug) {
    g.FrequenceA = 50;
    FrmAlim& alim = openAlim(SideA, 0.123456);
    EXPECT_NEAR(g.AmplitudeA, 3.70368, 1e-12);
    EXPECT_DOUBLE_EQ(g.FrequenceA, 0);
    EXPECT_FALSE(alim.lblLEDCourant.Visible);
    user::click(alim.chkOnOff);
    EXPECT_EQ(alim.lblAffichage.Caption, "3,70");

    user::click(alim.imgBorne[FrmAlim::kPlugPos]);
    EXPECT_FALSE(g.SourceBrancheeA) << "no common plug";
    user::click(alim.imgBorne[FrmAlim::kPlugCom]);
    EXPECT_TRUE(g.SourceBrancheeA);
    user::click(alim.imgFiche[FrmAlim::kPlugPos]);
    EXPECT_FALSE(g.SourceBrancheeA) << "no signal plug";
    // Turning the knob on NEG keeps the sign of the terminal; pulled out, positive again.
    user::click(alim.imgBorne[FrmAlim::kPlugNeg]);
    user::drag(alim.Potentio[0], 1234);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, -12.34);
    user::click(alim.imgFiche[FrmAlim::kPlugNeg]);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, 12.34);
    EXPECT_FALSE(alim.lblSigne.Visible);
    EXPECT_FALSE(g.SourceBrancheeB) << "side B is untouched";
}

} // namespace
} // namespace ondivel
