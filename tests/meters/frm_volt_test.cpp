// The school voltmeter as a student uses it: selector, plugs, channel and display.
#include <gtest/gtest.h>

#include "volt_bench.h"

namespace ondivel::testing {
namespace {

TEST(VoltSelector, AngleRunsClockwiseFromTwelveOClockAndSnapsByBands) {
    // A 100 × 100 picture: centre (50, 50), y downwards.
    // clang-format off
    const struct { double x, y, angle; } points[] = {
        {50, 10, 0}, {90, 50, 90}, {90, 90, 135}, {50, 90, 180}, {10, 90, 225}, {10, 50, 270}, {10, 10, 315},
    };
    // A limit shared by two bands goes to the first; around the top the meter is off.
    const struct { double angle; int position; } bands[] = {
        {10, 0}, {30, 0}, {30.5, 1}, {100, 3}, {200, 7}, {269, 10}, {300, 12}, {350, 14},
        {5, FrmVolt::kOff}, {355, FrmVolt::kOff}, {0, FrmVolt::kOff},
    };
    // clang-format on
    for (const auto& p : points)
        EXPECT_DOUBLE_EQ(FrmVolt::SelectorAngle(p.x, p.y, 100, 100), p.angle) << p.x << ", " << p.y;
    for (const auto& b : bands)
        EXPECT_EQ(FrmVolt::PositionAt(b.angle), b.position) << b.angle;
    for (int p = 0; p <= FrmVolt::kOff; ++p)
        EXPECT_EQ(FrmVolt::PositionAt(FrmVolt::PositionAngle(p)), p) << "resting angle of " << p;
}

class VoltTest : public VoltBench {};

TEST_F(VoltTest, DraggingMovesThePointerAndReleasingSnapsIt) {
    const double w = volt.imgSelecteur.Width, h = volt.imgSelecteur.Height;
    volt.imgSelecteur.on.MouseMove(kLeftButton, 0, w, h / 2);
    EXPECT_DOUBLE_EQ(volt.AngleSelecteur, 90);
    EXPECT_EQ(g.PositionSelecteur, 0);
    volt.imgSelecteur.on.MouseUp(kLeftButton, 0, w, h / 2);
    EXPECT_EQ(g.PositionSelecteur, 3);
    EXPECT_DOUBLE_EQ(volt.AngleSelecteur, 84);
    // The right button does not turn it.
    user::rotate(volt.imgSelecteur, 300, 2);
    EXPECT_EQ(g.PositionSelecteur, 3);
}

TEST_F(VoltTest, CurrentAndResistanceRangesNeverShowTheVoltageAndABatteryDoesNotWander) {
    batteryOnCh1();
    turnTo(5);
    EXPECT_EQ(display(), "000,0");
    turnTo(8);
    EXPECT_EQ(display(), "1");
    turnTo(1);
    EXPECT_FALSE(volt.tmrVolt.timerRunning());
    EXPECT_EQ(display(), "09,0");
}

TEST_F(VoltTest, EveryMissingLinkReadsZero) {
    batteryOnCh1();
    turnTo(2);
    ASSERT_EQ(display(), "9,00");
    user::click(volt.imgFiche[FrmVolt::kPlugCom]);
    EXPECT_FALSE(g.VoltmetreBranche);
    EXPECT_EQ(display(), "0,00");
    user::click(volt.imgBorne[FrmVolt::kPlugCom]);
    EXPECT_EQ(display(), "9,00");

    user::click(app.frmOndivel().imgBorne[0]);
    user::click(volt.optVoie[1]);
    user::click(volt.optVoie[0]);
    EXPECT_EQ(display(), "0,00");
    user::click(app.frmOndivel().imgBorne[0]);
    user::click(volt.optVoie[1]);
    EXPECT_EQ(display(), "0,00") << "nothing on CH2";
    user::click(volt.optVoie[0]);
    EXPECT_EQ(display(), "9,00");

    user::click(toolbox.optConnexion[FrmToolBox::kNoneA]);
    EXPECT_EQ(display(), "0,00");
}

TEST_F(VoltTest, OneMeasuringPlugAtATime) {
    batteryOnCh1();
    turnTo(2);
    user::click(volt.imgBorne[FrmVolt::kPlugMilliAmps]);
    EXPECT_TRUE(volt.imgFiche[FrmVolt::kPlugCom].Visible);
    user::click(volt.imgBorne[FrmVolt::kPlugTenAmps]);
    EXPECT_FALSE(volt.imgFiche[FrmVolt::kPlugMilliAmps].Visible);
    user::click(volt.imgBorne[FrmVolt::kPlugV]);
    EXPECT_FALSE(volt.imgFiche[FrmVolt::kPlugTenAmps].Visible);
    EXPECT_TRUE(g.VoltmetreBranche);
    EXPECT_EQ(display(), "9,00");
}

TEST_F(VoltTest, RemembersItsPlaceAcrossLoads) {
    volt.Left = 1234;
    volt.Top = 567;
    user::click(toolbox.chkMulti);
    EXPECT_FALSE(volt.loaded());
    user::click(toolbox.chkMulti);
    EXPECT_DOUBLE_EQ(volt.Left, 1234);
    EXPECT_DOUBLE_EQ(volt.Top, 567);
    EXPECT_FALSE(volt.imgFiche[FrmVolt::kPlugV].Visible) << "plugs out again";
    user::key(volt, kKeyF1);
    EXPECT_FALSE(platform.helpRequests.empty());
}

} // namespace
} // namespace ondivel::testing
