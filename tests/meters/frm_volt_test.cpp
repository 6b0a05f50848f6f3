// The school voltmeter as a student uses it: selector, plugs, channel and display.
#include <gtest/gtest.h>

#include "volt_bench.h"

namespace ondivel::testing {
namespace {

TEST(VoltSelector, AngleRunsClockwiseFromTwelveOClock) {
    // A 100 × 100 picture: centre (50, 50), y downwards.
    EXPECT_DOUBLE_EQ(FrmVolt::SelectorAngle(50, 10, 100, 100), 0);
    EXPECT_DOUBLE_EQ(FrmVolt::SelectorAngle(90, 50, 100, 100), 90);
    EXPECT_DOUBLE_EQ(FrmVolt::SelectorAngle(90, 90, 100, 100), 135);
    EXPECT_DOUBLE_EQ(FrmVolt::SelectorAngle(50, 90, 100, 100), 180);
    EXPECT_DOUBLE_EQ(FrmVolt::SelectorAngle(10, 90, 100, 100), 225);
    EXPECT_DOUBLE_EQ(FrmVolt::SelectorAngle(10, 50, 100, 100), 270);
    EXPECT_DOUBLE_EQ(FrmVolt::SelectorAngle(10, 10, 100, 100), 315);
}

TEST(VoltSelector, SnapsByBandsWithSharedLimitsGoingToTheFirst) {
    EXPECT_EQ(FrmVolt::PositionAt(10), 0);
    EXPECT_EQ(FrmVolt::PositionAt(30), 0);
    EXPECT_EQ(FrmVolt::PositionAt(30.5), 1);
    EXPECT_EQ(FrmVolt::PositionAt(100), 3);
    EXPECT_EQ(FrmVolt::PositionAt(200), 7);
    EXPECT_EQ(FrmVolt::PositionAt(269), 10);
    EXPECT_EQ(FrmVolt::PositionAt(300), 12);
    EXPECT_EQ(FrmVolt::PositionAt(350), 14);
    // Around the top the meter is off.
    EXPECT_EQ(FrmVolt::PositionAt(5), FrmVolt::kOff);
    EXPECT_EQ(FrmVolt::PositionAt(355), FrmVolt::kOff);
    EXPECT_EQ(FrmVolt::PositionAt(0), FrmVolt::kOff);
}

TEST(VoltSelector, EveryRestingAngleSnapsBackToItsOwnPosition) {
    for (int p = 0; p <= FrmVolt::kOff; ++p)
        EXPECT_EQ(FrmVolt::PositionAt(FrmVolt::PositionAngle(p)), p) << "position " << p;
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

TEST_F(VoltTest, CurrentAndResistanceRangesNeverShowTheVoltage) {
    batteryOnCh1();
    // Current and resistance ranges never show the voltage.
    turnTo(5);
    EXPECT_EQ(display(), "000,0");
    turnTo(8);
    EXPECT_EQ(display(), "1");
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
    EXPECT_FALSE(volt.imgFiche[FrmVolt::kPlugV].Visible);
    EXPECT_TRUE(volt.imgFiche[FrmVolt::kPlugCom].Visible);
    EXPECT_EQ(display(), "0,00");
    user::click(volt.imgBorne[FrmVolt::kPlugTenAmps]);
    EXPECT_FALSE(volt.imgFiche[FrmVolt::kPlugMilliAmps].Visible);
    user::click(volt.imgBorne[FrmVolt::kPlugV]);
    EXPECT_FALSE(volt.imgFiche[FrmVolt::kPlugTenAmps].Visible);
    EXPECT_TRUE(g.VoltmetreBranche);
    EXPECT_EQ(display(), "9,00");
}

TEST_F(VoltTest, BatteryOnADirectRangeDoesNotWander) {
    batteryOnCh1();
    turnTo(1);
    EXPECT_FALSE(volt.tmrVolt.timerRunning());
    EXPECT_EQ(display(), "09,0");
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
}

TEST_F(VoltTest, F1OpensItsHelpTopic) {
    user::key(volt, kKeyF1);
    ASSERT_FALSE(platform.helpRequests.empty());
}

} // namespace
} // namespace ondivel::testing
