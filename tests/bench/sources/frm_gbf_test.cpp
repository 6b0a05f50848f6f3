#include <gtest/gtest.h>

#include "bench/scope/bench_fixture.h"
#include "bench/sources/frequency_readout.h"
#include "core/user_input.h"

namespace ondivel {
namespace {

// The index of the one lit lamp, -1 when none, 99 when several.
int litLamp(const ControlArray& lamps) {
    int lit = -1;
    for (int i = 0; i < lamps.size(); ++i)
        if (lamps[i].FillColor == kLampOn) lit = lit == -1 ? i : 99;
    return lit;
}

// Knobs, sliders, plugs and the read-out at ordinary values are the gbf_* scenarios'.
class GbfPanel : public testing::BenchTest {};

TEST_F(GbfPanel, RandomStartValuesAtTheirExtremesAreTruncatedFrequencyFirst) {
    struct Case {
        double r1, r2, frequency, amplitude;
    };
    for (const Case c : {Case{0, 0.99999, 100, 11.999}, Case{0.99999, 0.0001, 1199, 0.001}}) {
        SCOPED_TRACE(c.r1);
        FrmGBF& gbf = openGbf(SideA, c.r1, c.r2);
        EXPECT_DOUBLE_EQ(g.FrequenceA, c.frequency);
        EXPECT_DOUBLE_EQ(g.AmplitudeA, c.amplitude);
        EXPECT_NEAR(gbf.Potentio[1].Value, c.amplitude * 1000, 1e-9);
        user::close(gbf);
    }
}

TEST_F(GbfPanel, OneLampForTheRangeAndTheWaveformAndTheSlowestRangeEndsAt1Point2Hertz) {
    FrmGBF& gbf = openGbf(SideA);
    user::click(gbf.optGamme[3]);
    user::click(gbf.optSignal[2]);
    EXPECT_EQ(litLamp(gbf.shpSignal), -1);
    user::click(gbf.chkOn);
    user::click(gbf.optGamme[1]);
    user::click(gbf.optSignal[1]);
    EXPECT_EQ(litLamp(gbf.shpFreq), 1);
    EXPECT_EQ(litLamp(gbf.shpSignal), 1);

    user::click(gbf.optGamme[5]); // "1"
    user::drag(gbf.Potentio[0], 1200);
    EXPECT_DOUBLE_EQ(g.FrequenceA, 1.2);
    EXPECT_EQ(gbf.lblUnite.Caption, "Hz");
}

TEST_F(GbfPanel, AnEvaluationFreezesTheScreenForRangeAndWaveformOnly) {
    FrmGBF& gbf = openGbf(SideA);
    app.mdi().ModeLibre = false;
    g.ExoSignalCH1 = "Triangle";
    g.SignalCH1 = "unchanged";
    user::click(gbf.optGamme[4]);
    user::click(gbf.optSignal[1]);
    EXPECT_DOUBLE_EQ(g.GammeA, 10);
    EXPECT_EQ(g.SignalA, "Carre");
    EXPECT_EQ(g.SignalCH1, "unchanged") << "range or waveform redrew during an evaluation";

    user::drag(gbf.Potentio[0], 500);
    EXPECT_EQ(g.SignalCH1, "Triangle") << "a knob must still refresh";
    user::key(gbf, 113); // F2: only F1 opens the help
    EXPECT_TRUE(platform.helpRequests.empty());
}

TEST(FrequencyReadoutText, ShowsFourDigitsWithADecimalCommaOnEveryRange) {
    // clang-format off
    const struct { double multiplier, frequency; const char* text; } cases[] = {
        {100000, 120000, "120,0"},  // kHz ranges: full scale 1.2 × the multiplier
        {10000,  5432.1, "05,43"},
        {1000,   650,    "0,650"},
        {100,    60,     "060,0"},  // Hz ranges
        {100,    0.25,   "000,3"},  // halves round away from zero
        {10,     6,      "06,00"},
        {1,      -0.01,  "-0,010"}, // a fine slider below a knob at 0
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(FrequencyReadoutText(c.multiplier, c.frequency), c.text)
            << c.multiplier << " " << c.frequency;
}

TEST(FrequencyReadoutText, NothingForAMultiplierThatIsNotARange) {
    EXPECT_FALSE(FrequencyReadoutText(0, 650));
    EXPECT_FALSE(FrequencyReadoutText(1100, 650));
}

class AfficherFrequence : public testing::BenchTest {};

TEST_F(AfficherFrequence, EachSideWritesItsOwnLabelFromItsOwnGlobals) {
    gbfA.lblFreq.Caption = "A";
    g.GammeB = 10;
    g.FrequenceB = 6;
    AfficherFrequenceB(gbfB);
    EXPECT_EQ(gbfB.lblFreq.Caption, "06,00");
    EXPECT_EQ(gbfA.lblFreq.Caption, "A");
}

} // namespace
} // namespace ondivel
