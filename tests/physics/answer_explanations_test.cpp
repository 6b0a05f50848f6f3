// The likely mistake behind a wrong answer: each rule with a case it explains and a near miss
// just outside the scoring's 5 %, which it must not claim.
#include "physics/answer_explanations.h"

#include <gtest/gtest.h>

namespace ondivel {
namespace {

using std::nullopt;

TEST(AnswerExplanations, PeakValues) {
    // clang-format off
    const struct { double given; double expected; std::optional<double> other; std::optional<double> calibre; const char* text; } cases[] = {
        {5.2,   5,   nullopt, nullopt, ""},
        {10,    5,   nullopt, nullopt, "Valeur crête à crête donnée au lieu de la valeur maximale (×2)."},
        {10.4,  5,   nullopt, nullopt, "Valeur crête à crête donnée au lieu de la valeur maximale (×2)."},
        {10.6,  5,   nullopt, nullopt, "Valeur incorrecte."},
        {3.5,   5,   nullopt, nullopt, "Valeur efficace donnée au lieu de la valeur maximale (÷√2)."},
        {3.3,   5,   nullopt, nullopt, "Valeur incorrecte."},
        // 0,354 V is written "0,4" in the results file.
        {0.4,   0.5, nullopt, nullopt, "Valeur efficace donnée au lieu de la valeur maximale (÷√2)."},
        // 2,5 divisions at 2 V/div read with a neighbouring calibre.
        {12.5,  5,   nullopt, 2,       "Sensibilité verticale mal lue : 5 V/div au lieu de 2 V/div."},
        {2.5,   5,   nullopt, 2,       "Sensibilité verticale mal lue : 1 V/div au lieu de 2 V/div."},
        {13.3,  5,   nullopt, 2,       "Valeur incorrecte."},
        {2,     0.8, nullopt, 0.2,     "Sensibilité verticale mal lue : 0,5 V/div au lieu de 0,2 V/div."},
        // No calibre below the table's 5 mV/div.
        {0.02,  0.05, nullopt, 0.005,  "Valeur incorrecte."},
        {5000,  5,   nullopt, nullopt, "Valeur 1000 fois trop grande : tension en mV et non en V."},
        {5400,  5,   nullopt, nullopt, "Valeur incorrecte."},
        {0.005, 5,   nullopt, nullopt, "Valeur 1000 fois trop petite : tension en V et non en mV."},
        {3,     5,   3,       nullopt, "Valeur de l'autre voie donnée."},
        {3.2,   5,   3,       nullopt, "Valeur incorrecte."},
        // Without the calibre, the steps only the 1-2-5 sequence makes.
        {12.5,  5,   nullopt, nullopt, "Sensibilité verticale mal lue (calibre voisin, ×2,5)."},
        {2,     5,   nullopt, nullopt, "Sensibilité verticale mal lue (calibre voisin, ×0,4)."},
        {2.5,   5,   nullopt, nullopt, "Sensibilité verticale mal lue (calibre voisin, ×0,5)."},
        {2.65,  5,   nullopt, nullopt, "Valeur incorrecte."},
        // Nothing explains an answer of 0, nor any answer to a 0 V level.
        {0,     5,   0,       nullopt, "Valeur incorrecte."},
        {3,     0,   nullopt, nullopt, "Valeur incorrecte."},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(ExplainPeak(c.given, c.expected, c.other, c.calibre), c.text)
            << c.given << " for " << c.expected;
}

TEST(AnswerExplanations, Frequencies) {
    // clang-format off
    const struct { double given; double expected; std::optional<double> other; const char* text; } cases[] = {
        {51,    50,   nullopt, ""},
        {0.02,  50,   nullopt, "Période (en s) donnée au lieu de la fréquence : f = 1/T."},
        {0.022, 50,   nullopt, "Valeur incorrecte."},
        {20,    50,   nullopt, "Période (en ms) donnée au lieu de la fréquence : f = 1/T."},
        {21.5,  50,   nullopt, "Valeur incorrecte."},
        // 1 ms is also 1 kHz: the period read on the screen comes first.
        {1,     1000, nullopt, "Période (en ms) donnée au lieu de la fréquence : f = 1/T."},
        {50000, 50,   nullopt, "Valeur 1000 fois trop grande : fréquence en Hz et non en kHz."},
        {0.5,   500,  nullopt, "Valeur 1000 fois trop petite : fréquence en kHz et non en Hz."},
        {100,   50,   100,     "Valeur de l'autre voie donnée."},
        {106,   50,   100,     "Valeur incorrecte."},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(ExplainFrequency(c.given, c.expected, c.other), c.text) << c.given << " for " << c.expected;
}

TEST(AnswerExplanations, ShapesAndCalibres) {
    // clang-format off
    const struct { const char* given; const char* expected; const char* text; } shapes[] = {
        {"Triangle", "Sinusoïdale",  "Triangulaire au lieu de sinusoïdale."},
        {"Cc",       "Carrée",       "Tension continue au lieu de carrée."},
        {"Sinus",    "Cc",           "Sinusoïdale au lieu de tension continue."},
        {"Dyn",      "Triangulaire", "Alternateur vélo au lieu de triangulaire."},
        {"Carre",    "Dyn",          "Carrée au lieu d'alternateur vélo."},
        {"Sinus",    "Sinusoïdale",  ""},
        {"Dyn",      "dyn",          ""},
    };
    // clang-format on
    for (const auto& c : shapes)
        EXPECT_EQ(ExplainType(c.given, c.expected), c.text) << c.given;

    for (auto [calibre, text] : {std::pair{100.0, "100 V/div"},
                                 {2.0, "2 V/div"},
                                 {0.5, "0,5 V/div"},
                                 {0.1, "0,1 V/div"},
                                 {0.05, "50 mV/div"},
                                 {0.005, "5 mV/div"}})
        EXPECT_EQ(SensitivityText(calibre), text);
}

} // namespace
} // namespace ondivel
