// The follow-up's word on each wrong part of an answer read back from a results file.
#include "bench/evaluation/results_review.h"

#include <gtest/gtest.h>

namespace ondivel {
namespace {

const std::string kStars(52, '*');

TEST(ResultsReview, ExplainsTheWrongPartsOnceTheExerciseIsKnown) {
    const std::string results =
        "Voie A : Signal : Triangle (FAUX) ; Ua = 10,0 (FAUX) ; Fa = 20,0 (FAUX)\r\n"
        "Voie B : Signal : Triangle ; Ub = 5,0 (FAUX) ; Fb = 100,0\r\n        Score : 2\r\n" +
        kStars +
        "\r\n"
        // 4,75 V was wrong (exactly 5 %) and is written 4,8: the numbers show no mistake.
        "Voie A : Signal : Cc ; Ua = 4,8 (FAUX)\r\nVoie B : Signal : Cc ; Ub = 0,0\r\n        Score : 5\r\n" +
        kStars + "\r\n";
    RecordedEvaluation e = ReadResults(results).evaluations.at(0);
    for (int ch = 0; ch < 2; ++ch)
        for (AnswerPart part : {AnswerPart::Type, AnswerPart::Peak, AnswerPart::Frequency})
            EXPECT_EQ(ExplainPart(e.oscillograms[0], ch, part), "") << "no exercise, nothing to explain";

    ASSERT_TRUE(AttachExercise(e, "sinus/5/50/triangle/2/100\r\nCC/5//CC/0/\r\n"));
    // clang-format off
    const struct { std::size_t osc; int channel; AnswerPart part; const char* text; } cases[] = {
        {0, 0, AnswerPart::Type,      "Triangulaire au lieu de sinusoïdale."},
        {0, 0, AnswerPart::Peak,      "Valeur crête à crête donnée au lieu de la valeur maximale (×2)."},
        {0, 0, AnswerPart::Frequency, "Période (en ms) donnée au lieu de la fréquence : f = 1/T."},
        {0, 1, AnswerPart::Type,      ""},
        {0, 1, AnswerPart::Peak,      "Valeur de l'autre voie donnée."},
        {0, 1, AnswerPart::Frequency, ""},
        {1, 0, AnswerPart::Peak,      "Valeur incorrecte."},
        {1, 0, AnswerPart::Frequency, ""},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(ExplainPart(e.oscillograms[c.osc], c.channel, c.part), c.text)
            << c.osc << " " << c.channel << " " << static_cast<int>(c.part);
}

} // namespace
} // namespace ondivel
