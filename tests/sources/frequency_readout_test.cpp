#include <gtest/gtest.h>

#include "sources/bench_setup.h"
#include "sources/frequency_readout.h"

namespace ondivel {
namespace {

struct ReadoutCase {
    double multiplier, frequency;
    const char* text;
};

class FrequencyReadout : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(FrequencyReadout, ShowsFourDigitsWithADecimalComma) {
    EXPECT_EQ(FrequencyReadoutText(GetParam().multiplier, GetParam().frequency), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EveryRange, FrequencyReadout, ::testing::Values(
    ReadoutCase{100000, 120000, "120,0"},  // kHz ranges: full scale 1.2 × the multiplier
    ReadoutCase{10000,  5432.1, "05,43"},
    ReadoutCase{1000,   650,    "0,650"},
    ReadoutCase{100,    60,     "060,0"},  // Hz ranges
    ReadoutCase{100,    0.25,   "000,3"},  // halves round away from zero
    ReadoutCase{10,     6,      "06,00"},
    ReadoutCase{1,      -0.01,  "-0,010"})); // a fine slider below a knob at 0
// clang-format on

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
