// The pupil's corrections: what is said of each channel, for the cases the mark window's
// scenario does not reach (a continuous voltage, the alternator's peak, two wrong parts).
#include "bench/evaluation/answer_review.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ondivel {
namespace {

ReviewedChannel Scored(int channel, ChannelAnswer answer, ChannelExpected expected, double voltsPerDiv = 0) {
    return {answer, expected, ScoreChannel(channel, answer, expected), voltsPerDiv};
}

struct Case {
    const char* name;
    ReviewedOscillogram osc;
    std::vector<std::string> lines;
};

TEST(AnswerReview, SaysWhatWasGivenWhatWasExpectedAndWhy) {
    const ChannelAnswer dc5{true, 0, 5, 0};
    const ChannelExpected expectedDc5{"Cc", 5, 0};
    const Case cases[] = {
        {"right on both channels",
         {1, {Scored(0, dc5, expectedDc5), Scored(1, dc5, expectedDc5)}},
         {"Oscillogramme n° 1 : 4 points sur 4", "   Voie A : juste.", "   Voie B : juste."}},
        // The alternator's line gives 6 V: the pupil reads 6 on the screen, 12 for its whole height.
        {"alternator peak to peak",
         {2, {Scored(0, {false, 3, 12, 40}, {"Dyn", 4, 40}), Scored(1, dc5, expectedDc5)}},
         {"Oscillogramme n° 2 : 4 points sur 5",
          "   Voie A : vous avez répondu alternateur vélo, 12 V, 40 Hz ; il fallait alternateur vélo, 6 V, "
          "40 Hz.",
          "      Tension maximale : Valeur crête à crête donnée au lieu de la valeur maximale (×2).",
          "   Voie B : juste."}},
        // A battery taken for an alternating voltage, and the CH2 value typed on CH1.
        {"continuous taken for alternating",
         {3, {Scored(0, {false, 0, 2, 50}, expectedDc5), Scored(1, {true, 0, 2, 0}, {"Cc", 2, 0})}},
         {"Oscillogramme n° 3 : 2 points sur 4",
          "   Voie A : vous avez répondu sinusoïdale, 2 V, 50 Hz ; il fallait tension continue de 5 V.",
          "      Type : Sinusoïdale au lieu de tension continue.",
          "      Tension maximale : Valeur de l'autre voie donnée.", "   Voie B : juste."}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CorrectionLines(c.osc), c.lines) << c.name;
}

} // namespace
} // namespace ondivel
