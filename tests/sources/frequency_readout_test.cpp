#include <gtest/gtest.h>

#include "core/user_input.h"
#include "sources/bench_setup.h"
#include "sources/frequency_readout.h"
#include "sources/frm_harmonique.h"

namespace ondivel {
namespace {

using testing::BenchTest;
using testing::formatterReady;

struct ReadoutCase {
    double multiplier;
    double frequency;
    const char* text;
};

class FrequencyReadout : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(FrequencyReadout, ShowsFourDigitsWithADecimalComma) {
    if (!formatterReady()) GTEST_SKIP() << "number patterns not available yet";
    const ReadoutCase& c = GetParam();
    EXPECT_EQ(FrequencyReadoutText(c.multiplier, c.frequency), c.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EveryRange, FrequencyReadout, ::testing::Values(
    // kHz ranges: the full scale of each is 1.2 × the multiplier.
    ReadoutCase{100000, 120000,  "120,0"},
    ReadoutCase{100000, 4000,    "004,0"},
    ReadoutCase{10000,  5432.1,  "05,43"},
    ReadoutCase{1000,   650,     "0,650"},
    ReadoutCase{1000,   1199,    "1,199"},
    // Hz ranges.
    ReadoutCase{100,    60,      "060,0"},
    ReadoutCase{100,    0.25,    "000,3"},   // halves round away from zero
    ReadoutCase{10,     6,       "06,00"},
    ReadoutCase{1,      1.2,     "1,200"},
    ReadoutCase{1,      0,       "0,000"},
    // A fine slider below a knob at 0 gives a negative frequency.
    ReadoutCase{1,      -0.01,   "-0,010"}));
// clang-format on

TEST(FrequencyReadoutText, NothingForAMultiplierThatIsNotARange) {
    EXPECT_FALSE(FrequencyReadoutText(0, 650));
    EXPECT_FALSE(FrequencyReadoutText(1100, 650));
}

class AfficherFrequence : public BenchTest {};

TEST_F(AfficherFrequence, EachSideWritesItsOwnLabelFromItsOwnGlobals) {
    if (!formatterReady()) GTEST_SKIP() << "number patterns not available yet";
    gbfA.lblFreq.Caption = "A";
    g.GammeB = 10;
    g.FrequenceB = 6;
    g.GammeA = 1000;
    g.FrequenceA = 650;
    AfficherFrequenceB(gbfB);
    EXPECT_EQ(gbfB.lblFreq.Caption, "06,00");
    EXPECT_EQ(gbfA.lblFreq.Caption, "A");

    // The harmonic generator shows its frequency through the same procedure.
    AfficherFrequenceA(app.frmHarmoniqueA());
    EXPECT_EQ(app.frmHarmoniqueA().lblFreq.Caption, "0,650");
}

TEST_F(AfficherFrequence, AnUnknownMultiplierLeavesTheLabelAsItWas) {
    gbfA.lblFreq.Caption = "1,234";
    g.GammeA = 0;
    g.FrequenceA = 500;
    AfficherFrequenceA(gbfA);
    EXPECT_EQ(gbfA.lblFreq.Caption, "1,234");
}

} // namespace
} // namespace ondivel
