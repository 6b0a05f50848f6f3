#include "bench/meters/frm_multi_rms.h"

#include "bench/scope/bench_fixture.h"
#include "bench/scope/frm_ondivel.h"
#include "files/settings_store.h"

namespace ondivel::testing {
namespace {

// The multimeter on CH1, plugged on V and COM, facing a function generator the test tunes.
class TrmsTest : public BenchTest {
  protected:
    TrmsTest() {
        FrmGBF& gbf = openGbf(SideA);
        switchOnAndPlug(gbf);
        g.EntreeBrancheeCH1 = true;
        meter.Show();
        user::click(meter.imgBorne[0]);
        user::click(meter.imgBorne[3]);
    }
    // A signal on CH1 as the generator's refresh leaves it.
    void signal(const char* keyword, double peak, double offset = 0, float duty = 0.5F) {
        g.SignalA = keyword;
        g.AmplitudeA = peak;
        g.OffsetCH1 = offset;
        g.RapportCycliqueCH1 = duty;
        meter.Rafraichir();
    }
    void turnTo(double degrees) { user::rotate(meter.imgSelecteur, degrees); }
    std::string reading() const {
        if (meter.lblValueError.Visible) return "1.";
        return (meter.lblSigne.Visible ? "-" : "") + meter.lblValue.Caption;
    }
    std::string ini(const char* key) const { return ReadIniValue(g.FichierConfig, "Multi TRMS", key, "?"); }

    FrmMultiRMS& meter = app.frmMulti_RMS();
};

TEST_F(TrmsTest, SelectorBandsIncludeTheirLimitsAndWrapAroundTheTop) {
    // A limit shared by two bands goes to the band listed first, from OFF clockwise backwards.
    const std::pair<double, int> limits[] = {{15, 3},  {45, 2},  {75, 1},  {115, 0}, {180, 0},
                                             {285, 6}, {315, 5}, {345, 4}, {0, 4},   {360, 4}};
    for (auto [angle, position] : limits)
        EXPECT_EQ(TrmsPositionOfAngle(angle), position) << angle;
    const std::pair<double, int> dragged[] = {{5, 4},   {355, 4}, {30, 3},  {60, 2},  {95, 1},
                                              {150, 0}, {200, 7}, {270, 7}, {300, 6}, {330, 5}};
    for (auto [angle, position] : dragged) {
        turnTo(angle);
        EXPECT_EQ(g.PositionSelecteur, position) << angle;
    }
    // Released on a band, the pointer rests within that band, not where the mouse let go.
    turnTo(80);
    EXPECT_GE(meter.pointerAngle(), 75);
    EXPECT_LE(meter.pointerAngle(), 115);
}

// The 60 V range, manual ranges and the MIN/MAX memories are the tour_meters_trms and
// scope_square_coupling scenarios'.
TEST_F(TrmsTest, TrueRmsPicksTheSmallestRangeAboveAndAddsTheOffset) {
    turnTo(95);
    signal("Sinus", 0.5);
    EXPECT_EQ(meter.lblGamme.Caption, "600 mV");
    EXPECT_EQ(reading(), "353,6");
    EXPECT_EQ(meter.lblUnite.Caption, "mV");
    signal("Triangle", 3 * std::sqrt(3.0));
    EXPECT_EQ(reading(), "3,000");
    // Any other generator waveform has the offset for its mean: √(4.5 + 4).
    signal("Sinus", 3, 2);
    EXPECT_EQ(reading(), "2,915");
    // The direct-voltage positions show the offset alone.
    turnTo(60);
    signal("Sinus", 3, -2);
    EXPECT_EQ(reading(), "-2,000");
    EXPECT_EQ(meter.lblACDC.Caption, "DC");
}

// Automatic ranging takes the smallest range whose full scale is above the reading: a reading
// of exactly a full scale goes up one range, the last one overloads above 1000 V.
TEST_F(TrmsTest, AutomaticRangeChangesAtEachFullScale) {
    turnTo(60); // V =, which shows the generator's offset as it is
    // clang-format off
    const struct { double volts; const char* range; const char* text; } cases[] = {
        {0.5999, "600 mV", "599,9"}, {0.6, "6 V",    "0,600"}, {-0.6, "6 V", "-0,600"},
        {5.999,  "6 V",    "5,999"}, {6,   "60 V",   "06,00"},
        {59.99,  "60 V",   "59,99"}, {60,  "600 V",  "060,0"},
        {599.9,  "600 V",  "599,9"}, {600, "1000 V", "0600"},
        {1000,   "1000 V", "1000"},  {1000.5, "1000 V", "1."}, {-1000.5, "1000 V", "1."},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.volts);
        signal("Sinus", 0, c.volts);
        EXPECT_EQ(meter.lblGamme.Caption, c.range);
        EXPECT_EQ(reading(), c.text);
    }
    EXPECT_TRUE(meter.lblAuto.Visible);
}

TEST_F(TrmsTest, AnyMissingConnectionReadsZero) {
    turnTo(95);
    signal("Sinus", 12);
    ASSERT_EQ(reading(), "08,49");
    user::click(meter.imgBorne[1]); // the mA plug pulls the V plug
    EXPECT_FALSE(meter.imgFiche[0].Visible);
    EXPECT_EQ(reading(), "000,0");
    user::click(meter.imgBorne[0]);
    ASSERT_EQ(reading(), "08,49");
    user::click(meter.imgFiche[3]);
    EXPECT_EQ(reading(), "000,0");
    user::click(meter.imgBorne[3]);
    g.EntreeBrancheeCH1 = false; // the oscilloscope's plug out
    meter.Rafraichir();
    EXPECT_EQ(reading(), "000,0");
    g.EntreeBrancheeCH1 = true;
    user::click(meter.optVoie[1]); // CH2 has no source
    EXPECT_EQ(reading(), "000,0");
}

TEST_F(TrmsTest, MillivoltPositionKeepsItsRangeWithoutSavingIt) {
    turnTo(30);
    signal("Sinus", 1, 0.25);
    EXPECT_EQ(meter.lblGamme.Caption, "600 mV");
    EXPECT_EQ(reading(), "250,0");
    for (int i = 0; i < 3; ++i) {
        user::click(meter.cmdBouton[1]);
        EXPECT_EQ(meter.lblGamme.Caption, "600 mV");
    }
    EXPECT_EQ(ini("Gamme"), "?");
    signal("Sinus", 1, 0.7);
    EXPECT_EQ(reading(), "1.");
}

TEST_F(TrmsTest, KeysDoNothingWhileOff) {
    turnTo(150);
    signal("Sinus", 12);
    user::click(meter.cmdBouton[0]);
    user::click(meter.cmdBouton[1]);
    EXPECT_TRUE(meter.automatic());
    EXPECT_EQ(meter.memory(), FrmMultiRMS::Memory::Off);
    EXPECT_EQ(ini("AUTO"), "?");
    EXPECT_FALSE(meter.lblValue.Visible);
}

TEST_F(TrmsTest, SettingsAndPositionComeBackAtTheNextLoad) {
    turnTo(95);
    user::click(meter.cmdBouton[1]);
    user::click(meter.cmdBouton[1]);
    user::click(meter.cmdBouton[0]);
    meter.Left = 7000;
    meter.Top = 1200;
    user::close(meter);
    meter.Show();
    EXPECT_EQ(meter.Left, 7000);
    EXPECT_EQ(meter.Top, 1200);
    EXPECT_EQ(meter.lblGamme.Caption, "6 V");
    EXPECT_EQ(meter.pgbRANGE.Value, 50);
}

} // namespace
} // namespace ondivel::testing
