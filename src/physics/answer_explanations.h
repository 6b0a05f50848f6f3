#pragma once
// Corrections that explain: for an answer the results file marks wrong, the likely mistake when
// the numbers show one, as a short French sentence for the pupil. The teacher's follow-up shows
// them beside each wrong part. A mistake is recognised when the answer lies within the scoring's
// 5 % of what that mistake gives (CloseEnough), or equals it once rounded to the one decimal the
// results file keeps; an answer of 0 explains nothing.
//
// Rules are tried in the order of the tables below; the first that fits wins. A peak: peak-to-peak
// (×2), r.m.s. (÷√2), a neighbouring calibre of the 1-2-5 sensitivities, a factor of 1000, the
// other channel's value, then, without the calibre, a step of the 1-2-5 sequence (×2,5, ×0,4,
// ×0,5). A frequency: the period in seconds, the period in milliseconds, a factor of 1000, the
// other channel's value.
#include <optional>
#include <string>
#include <string_view>

namespace ondivel {

// The exact sentences; the calibre sentence is built from kSensitivityMisread.
namespace explanation {
inline constexpr const char* kPeakToPeak = "Valeur crête à crête donnée au lieu de la valeur maximale (×2).";
inline constexpr const char* kRms = "Valeur efficace donnée au lieu de la valeur maximale (÷√2).";
// + the calibre used + kInsteadOf + the calibre shown + "."
inline constexpr const char* kSensitivityMisread = "Sensibilité verticale mal lue : ";
inline constexpr const char* kInsteadOf = " au lieu de ";
// + "2,5", "0,4" or "0,5" + ")."
inline constexpr const char* kNeighbourCalibre = "Sensibilité verticale mal lue (calibre voisin, ×";
inline constexpr const char* kVoltsTooLarge = "Valeur 1000 fois trop grande : tension en mV et non en V.";
inline constexpr const char* kVoltsTooSmall = "Valeur 1000 fois trop petite : tension en V et non en mV.";
inline constexpr const char* kOtherChannel = "Valeur de l'autre voie donnée.";
inline constexpr const char* kPeriodSeconds = "Période (en s) donnée au lieu de la fréquence : f = 1/T.";
inline constexpr const char* kPeriodMilliseconds =
    "Période (en ms) donnée au lieu de la fréquence : f = 1/T.";
inline constexpr const char* kHertzTooLarge = "Valeur 1000 fois trop grande : fréquence en Hz et non en kHz.";
inline constexpr const char* kHertzTooSmall = "Valeur 1000 fois trop petite : fréquence en kHz et non en Hz.";
inline constexpr const char* kIncorrect = "Valeur incorrecte.";
} // namespace explanation

// given: the peak the pupil typed; expected: the peak the screen showed (for an alternator line,
// the value written in the exercise); otherChannel: the other channel's expected peak;
// voltsPerDiv: the sensitivity the channel was read at, when known. "" within 5 % of expected.
std::string ExplainPeak(double given, double expected, std::optional<double> otherChannel = std::nullopt,
                        std::optional<double> voltsPerDiv = std::nullopt);

// In hertz; "" within 5 % of expected.
std::string ExplainFrequency(double given, double expected,
                             std::optional<double> otherChannel = std::nullopt);

// A wrong kind or shape, from the type words of the record ("Triangle") and of the exercise
// ("Sinusoïdale"): "Triangulaire au lieu de sinusoïdale."; "" when the scoring takes it as right.
std::string ExplainType(std::string_view given, std::string_view expected);

// The calibre as a pupil reads it on the knob: "2 V/div", "0,5 V/div", "50 mV/div".
std::string SensitivityText(double voltsPerDiv);

} // namespace ondivel
