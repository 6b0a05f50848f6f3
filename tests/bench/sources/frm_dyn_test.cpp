#include <gtest/gtest.h>

#include "bench/scope/bench_fixture.h"
#include "bench/sources/frm_dyn.h"
#include "core/user_input.h"

namespace ondivel {
namespace {

// The speed, the fine knob and the plugs at ordinary values are the dyn_* scenarios'.
class AlternatorPanel : public testing::BenchTest {
  protected:
    FrmDyn& open() {
        user::click(toolbox.optConnexion[14]);
        return app.frmDyn(SideA);
    }
};

TEST_F(AlternatorPanel, TheSpeedStopsAt2500AndAnyButtonTurnsItButADoubleClickDoesNot) {
    FrmDyn& dyn = open();
    // f = 2·pi·N/60, U = f/25 at 2500 tours/min.
    user::drag(dyn.Potentio[0], 3000, kRightButton);
    EXPECT_NEAR(g.FrequenceA, 261.7994, 1e-4);
    EXPECT_NEAR(g.AmplitudeA, 10.4720, 1e-4);
    EXPECT_EQ(dyn.lblVitesse.Caption, "2500 tours/min");
    user::drag(dyn.Potentio[0], 300);
    user::dblClick(dyn.Potentio[0]);
    EXPECT_EQ(dyn.Potentio[0].Value, 300);
}

TEST_F(AlternatorPanel, EitherPlugPulledStopsAndAReopenedPanelStartsAfreshWhereItWas) {
    FrmDyn& dyn = open();
    user::click(dyn.imgBorne[1]);
    user::click(dyn.imgBorne[0]);
    ASSERT_TRUE(g.SourceBrancheeA);
    user::click(dyn.imgFiche[1]); // the plug covers its terminal
    EXPECT_FALSE(g.SourceBrancheeA);
    EXPECT_FALSE(dyn.imgFiche[1].Visible);

    dyn.Left = 3000;
    dyn.Top = 1200;
    user::drag(dyn.Potentio[0], 2000);
    user::close(dyn);
    FrmDyn& again = open();
    EXPECT_EQ(again.Left, 3000);
    EXPECT_EQ(again.Top, 1200);
    EXPECT_EQ(again.Potentio[0].Value, 1000);
    EXPECT_FALSE(again.imgFiche[0].Visible);
}

} // namespace
} // namespace ondivel
