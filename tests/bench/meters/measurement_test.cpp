// The r.m.s. table of the waveforms and the peaks the TRMS MIN/MAX functions use.
#include <gtest/gtest.h>

#include "bench/meters/frm_volt.h"
#include "bench/meters/measurement.h"
#include "bench/scope/bench_fixture.h"
#include "bench/scope/frm_ondivel.h"

namespace ondivel::testing {
namespace {

TEST(ValeurEfficace, FollowsEachWaveformWhateverTheCaseAndKeepsTheSignOfADirectVoltage) {
    // clang-format off
    const struct { double peak; const char* keyword; double rms; } cases[] = {
        {12, "Sinus", 8.48528}, {12, "SINUSOÏDALE", 8.48528}, {5, "Carre", 5}, {5, "carrée", 5},
        {3, "Triangle", 1.73205}, {3, "triangulaire", 1.73205}, {10, "Dyn", 7.517}, {-4.5, "Cc", -4.5},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_NEAR(ValeurEfficace(c.peak, c.keyword).value_or(-99), c.rms, 1e-5) << c.keyword;
    // The harmonic sum and unknown words have none.
    for (const char* keyword : {"harmo", "", "sinu"})
        EXPECT_FALSE(ValeurEfficace(5, keyword).has_value()) << keyword;
}

class PeakTest : public BenchTest {};

TEST_F(PeakTest, AsymmetricSquareOfARunningGeneratorReachesPastItsAmplitude) {
    FrmGBF& gbf = openGbf(SideA);
    user::click(gbf.chkOn);
    g.SignalA = "Carre";
    g.AmplitudeA = 5;
    g.RapportCycliqueCH1 = 0.25F;
    g.OffsetCH1 = 1;
    // Low for three quarters of the period: the edges sit at 1 + 7.5 and 1 − 2.5.
    EXPECT_DOUBLE_EQ(ValeurCreteSignal(app, SideA, true), 8.5);
    EXPECT_DOUBLE_EQ(ValeurCreteSignal(app, SideA, false), -1.5);
}

TEST_F(PeakTest, OtherWaveformsSwingByTheirAmplitudeAroundTheOffset) {
    g.SignalA = "Sinus";
    g.AmplitudeA = 3;
    g.OffsetCH1 = 0.5;
    EXPECT_DOUBLE_EQ(ValeurCreteSignal(app, SideA, true), 3.5);
    EXPECT_DOUBLE_EQ(ValeurCreteSignal(app, SideA, false), -2.5);
    // A square wave of a generator left off counts as symmetric.
    g.SignalA = "Carre";
    g.RapportCycliqueCH1 = 0.25F;
    EXPECT_DOUBLE_EQ(ValeurCreteSignal(app, SideA, true), 3.5);
}

TEST_F(PeakTest, InvertedCh2SwapsTheCrests) {
    g.SignalB = "Cc";
    g.AmplitudeB = 2;
    app.frmOndivel().shpVoie[5].FillColor = kLampOn;
    EXPECT_DOUBLE_EQ(ValeurCreteSignal(app, SideB, true), -2);
    EXPECT_DOUBLE_EQ(ValeurCreteSignal(app, SideB, false), 2);
}

TEST_F(PeakTest, TheSettingPicksTheMeterTheEntriesMeasureWith) {
    // Only the school voltmeter writes its display here; a value other than "0" and "1" is read
    // as the school voltmeter by the refresh and as the multimeter by the toolbox.
    app.mdi().Mnu_Volt.Checked = true;
    app.frmVolt().lblValue.Caption = "x";
    g.PositionSelecteur = 2;
    app.WriteIni("Options", "Multimetre college", "2");
    MesurerSelonOption(app);
    EXPECT_EQ(app.frmVolt().lblValue.Caption, "x");
    MesurerVoltmetre(app);
    EXPECT_EQ(app.frmVolt().lblValue.Caption, "0,00");
}

} // namespace
} // namespace ondivel::testing
