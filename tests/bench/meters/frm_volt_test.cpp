// The school voltmeter as a student uses it: selector, plugs, channel and display.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "bench/meters/frm_volt.h"
#include "bench/scope/bench_fixture.h"
#include "bench/sources/frm_alim.h"
#include "bench/sources/frm_pile.h"

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

// A bench with the school voltmeter chosen in the settings and shown from the toolbox.
class VoltTest : public BenchTest {
  protected:
    VoltTest() {
        app.WriteIni("Options", "Multimetre college", "1");
        user::click(toolbox.chkMulti);
    }

    // Cables CH1 of the oscilloscope (signal and ground plugs).
    void cableScopeCh1() {
        FrmOndivel& scope = app.frmOndivel();
        user::click(scope.chkOn);
        user::click(scope.imgBorne[0]);
        user::click(scope.imgBorne[2]);
    }
    void plugMeter() {
        user::click(volt.imgBorne[FrmVolt::kPlugV]);
        user::click(volt.imgBorne[FrmVolt::kPlugCom]);
    }
    // The 9 V battery on CH1, every cable in place.
    void batteryOnCh1() {
        cableScopeCh1();
        user::click(toolbox.optConnexion[5]);
        plugMeter();
    }
    void turnTo(int position) { user::rotate(volt.imgSelecteur, FrmVolt::PositionAngle(position)); }
    std::string display() const {
        if (volt.lblValueError.Visible) return "1";
        return (volt.lblSigne.Visible ? "-" : "") + volt.lblValue.Caption;
    }

    FrmVolt& volt = app.frmVolt();
};

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

// The display overloads only above the range's limit: a reading of exactly the full scale is
// still shown, with the sign of a negative one.
TEST_F(VoltTest, EveryVoltageRangeShowsItsFullScaleAndOverloadsJustAbove) {
    // clang-format off
    const struct { int position; double fullScale; const char* text; } ranges[] = {
        {0, 1000, "1000"}, {1, 200, "200,0"}, {2, 20, "20,00"}, {3, 2, "2,000"},    // V =
        {11, 2, "2,000"},  {12, 20, "20,00"}, {13, 200, "200,0"}, {14, 500, "500"}, // V ~
    };
    // clang-format on
    for (const auto& r : ranges) {
        SCOPED_TRACE(r.position);
        turnTo(r.position);
        volt.ShowReading(r.fullScale);
        EXPECT_EQ(display(), r.text);
        volt.ShowReading(-r.fullScale);
        EXPECT_EQ(display(), std::string("-") + r.text);
        volt.ShowReading(std::nextafter(r.fullScale, 2 * r.fullScale));
        EXPECT_EQ(display(), "1");
        volt.ShowReading(-std::nextafter(r.fullScale, 2 * r.fullScale));
        EXPECT_EQ(display(), "1");
    }
}

TEST_F(VoltTest, ASourceExactlyAtFullScaleReadsOnItsRange) {
    // The DC supply set to 20 V, then 2 V, on V = 20 and V = 2.
    cableScopeCh1();
    platform.randomValues = {0.5};
    user::click(toolbox.optConnexion[2]);
    FrmAlim& alim = app.frmAlim(SideA);
    user::click(alim.chkOnOff);
    user::click(alim.imgBorne[FrmAlim::kPlugPos]);
    user::click(alim.imgBorne[FrmAlim::kPlugCom]);
    plugMeter();
    user::drag(alim.Potentio[0], 2000);
    turnTo(2);
    EXPECT_EQ(display(), "20,00");
    user::drag(alim.Potentio[0], 200);
    turnTo(3);
    EXPECT_EQ(display(), "2,000");
    user::drag(alim.Potentio[0], 201);
    EXPECT_EQ(display(), "1");

    // A 2 V peak square wave of the generator on V ~ 2: its r.m.s. value is its peak.
    FrmGBF& gbf = openGbf(SideA);
    switchOnAndPlug(gbf);
    user::click(gbf.optSignal[1]);
    user::drag(gbf.Potentio[1], 2000);
    turnTo(11);
    EXPECT_EQ(display(), "2,000");
    user::drag(gbf.Potentio[1], 2001);
    EXPECT_EQ(display(), "1");
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
