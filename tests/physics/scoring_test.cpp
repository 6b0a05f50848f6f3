#include "physics/scoring.h"

#include <gtest/gtest.h>

namespace ondivel {
namespace {

ChannelAnswer alternating(int shape, double volts, double hertz) {
    return {false, shape, volts, hertz};
}
ChannelAnswer continuous(double volts) {
    return {true, 0, volts, 0};
}

TEST(Scoring, APeakWithinFivePercentIsRightAndExactlyFivePercentIsWrong) {
    // clang-format off
    const struct { double typed; bool right; } cases[] = {
        {5, true}, {5.2, true}, {4.8, true}, {5.24, true},
        {5.25, false}, {4.75, false}, {6, false}, {0, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const ChannelScore s = ScoreChannel(0, continuous(c.typed), {"Cc", 5, 0});
        EXPECT_EQ(s.points, c.right ? 2 : 1);
        EXPECT_EQ(s.amplitudeCorrection, c.right ? "" : "5,00 V");
    }
    // Nothing is close to 0 but 0 itself.
    EXPECT_EQ(ScoreChannel(0, continuous(0), {"Cc", 0, 0}).points, 2);
    EXPECT_EQ(ScoreChannel(0, continuous(0.01), {"Cc", 0, 0}).points, 1);
}

TEST(Scoring, TheTypeIsJudgedOnItsFirstThreeLetters) {
    for (auto [typed, expected] :
         {std::pair{"Sinus", "Sinusoïdale"}, {"Carre", "CARRÉE"}, {"Triangle", "Triangulaire"}})
        EXPECT_TRUE(SameFirstLetters(typed, expected)) << typed;
    EXPECT_FALSE(SameFirstLetters("Cc", "Carrée"));
    // "Alternateur vélo" is stored as "Dyn", as the alternator's own keyword.
    const ChannelScore s = ScoreChannel(1, alternating(3, 3, 40), {"Dyn", 2, 40});
    EXPECT_EQ(s.type, "Dyn");
    EXPECT_DOUBLE_EQ(s.amplitude, 2) << "the typed peak divided by 1.5, as the reader stores it";
    EXPECT_EQ(s.points, 3);
    EXPECT_EQ(s.record, "Voie B : Signal : Dyn ; Ub = 3,0 ; Fb = 40,0");
}

TEST(Scoring, WrongPartsAreMarkedInTheRecordAndCorrectedOnScreen) {
    // The example of a wrong CH2 frequency.
    const ChannelScore freq = ScoreChannel(1, alternating(2, 2, 120), {"Triangulaire", 2, 100});
    EXPECT_EQ(freq.record, "Voie B : Signal : Triangle ; Ub = 2,0 ; Fb = 120,0 (FAUX)");
    EXPECT_EQ(freq.frequencyCorrection, "100 Hz");
    EXPECT_EQ(freq.kindCorrection, "");
    EXPECT_EQ(freq.points, 2);

    // A continuous answer for a sine: wrong kind, right level, no frequency.
    const ChannelScore kind = ScoreChannel(0, continuous(5), {"Sinusoïdale", 5, 50});
    EXPECT_EQ(kind.record, "Voie A : Signal : Cc (FAUX) ; Ua = 5,0 ; Fa = 0,0 (FAUX)");
    EXPECT_EQ(kind.kindCorrection, "Tension alternative");
    EXPECT_EQ(kind.shapeCorrection, "Sinusoïdale");
    EXPECT_EQ(kind.frequencyCorrection, "50 Hz");
    EXPECT_EQ(kind.points, 1);

    // A sine for a continuous level: the record ends with the level, whatever the frequency.
    const ChannelScore dc = ScoreChannel(1, alternating(0, 9, 50), {"Cc", 9, 0});
    EXPECT_EQ(dc.record, "Voie B : Signal : Sinus (FAUX) ; Ub = 9,0");
    EXPECT_EQ(dc.kindCorrection, "Tension continue");
    EXPECT_EQ(dc.shapeCorrection, "");
    EXPECT_EQ(dc.points, 1);
    EXPECT_EQ(dc.available, 2);

    // The alternator's correction shows the peak on the screen, the value written in the file.
    const ChannelScore dyn = ScoreChannel(0, alternating(0, 2, 40), {"Dyn", 4, 40});
    EXPECT_EQ(dyn.shapeCorrection, "Alternateur vélo");
    EXPECT_EQ(dyn.amplitudeCorrection, "6,00 V");
}

TEST(Scoring, AnExpectedFrequencyOfZeroIsMetOnlyByZeroAndThenLeftOutOfTheRecord) {
    const ChannelScore zero = ScoreChannel(0, alternating(1, 3, 0), {"Carrée", 3, 0});
    EXPECT_EQ(zero.record, "Voie A : Signal : Carre ; Ua = 3,0");
    EXPECT_EQ(zero.points, 3);
    const ChannelScore some = ScoreChannel(0, alternating(1, 3, 10), {"Carrée", 3, 0});
    EXPECT_EQ(some.record, "Voie A : Signal : Carre ; Ua = 3,0 ; Fa = 10,0 (FAUX)");
    EXPECT_EQ(some.frequencyCorrection, "0 Hz");
}

} // namespace
} // namespace ondivel
