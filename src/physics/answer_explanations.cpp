#include "physics/answer_explanations.h"

#include <cmath>

#include "core/format.h"
#include "core/keywords.h"
#include "physics/scoring.h"

namespace ondivel {

namespace {

// The ends of the oscilloscope's 1-2-5 sensitivity table, V/div.
constexpr double kSmallestSensitivity = 0.005;
constexpr double kLargestSensitivity = 100;

bool nearly(double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::fmax(1.0, std::fabs(b));
}

// The results file keeps one decimal of the answer: 0,354 V is written "0,4".
bool fits(double given, double target) {
    if (given == 0 || target == 0 || !std::isfinite(target)) return false;
    return CloseEnough(given, target) || nearly(given, std::round(target * 10) / 10);
}

// The calibres either side of a 1-2-5 calibre, within the table: 2 → 1 and 5; 5 → 2 and 10.
void neighbours(double calibre, double& below, double& above) {
    const double decade = std::pow(10.0, std::floor(std::log10(calibre) + 1e-9));
    const double mantissa = calibre / decade;
    if (nearly(mantissa, 2)) {
        below = decade;
        above = 5 * decade;
    } else if (nearly(mantissa, 5)) {
        below = 2 * decade;
        above = 10 * decade;
    } else {
        below = decade / 2;
        above = 2 * decade;
    }
    if (below < kSmallestSensitivity * 0.999) below = 0;
    if (above > kLargestSensitivity * 1.001) above = 0;
}

std::string typeName(std::string_view type) {
    switch (WaveformOf(type)) {
    case Waveform::Dc:
        return "tension continue";
    case Waveform::Sine:
        return "sinusoïdale";
    case Waveform::Square:
        return "carrée";
    case Waveform::Triangle:
        return "triangulaire";
    case Waveform::Alternator:
        return "alternateur vélo";
    default:
        return LowerKeyword(type);
    }
}

std::string capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 32);
    return text;
}

} // namespace

std::string SensitivityText(double voltsPerDiv) {
    if (voltsPerDiv < 0.1 - 1e-12) return FormatComma(voltsPerDiv * 1000, "0") + " mV/div";
    return FormatComma(voltsPerDiv, voltsPerDiv < 1 - 1e-12 ? "0.0" : "0") + " V/div";
}

std::string ExplainPeak(double given, double expected, std::optional<double> otherChannel,
                        std::optional<double> voltsPerDiv) {
    using namespace explanation;
    if (CloseEnough(given, expected)) return {};
    if (fits(given, 2 * expected)) return kPeakToPeak;
    if (fits(given, expected / std::sqrt(2.0))) return kRms;
    if (voltsPerDiv && *voltsPerDiv > 0 && std::isfinite(*voltsPerDiv)) {
        double below = 0, above = 0;
        neighbours(*voltsPerDiv, below, above);
        for (double used : {below, above})
            if (used > 0 && fits(given, expected * used / *voltsPerDiv))
                return kSensitivityMisread + SensitivityText(used) + kInsteadOf +
                       SensitivityText(*voltsPerDiv) + ".";
    }
    if (fits(given, 1000 * expected)) return kVoltsTooLarge;
    if (fits(given, expected / 1000)) return kVoltsTooSmall;
    if (otherChannel && fits(given, *otherChannel)) return kOtherChannel;
    if (!voltsPerDiv) {
        for (const char* step : {"2,5", "0,4", "0,5"}) {
            const double ratio = step[0] == '2' ? 2.5 : step[2] == '4' ? 0.4 : 0.5;
            if (fits(given, expected * ratio)) return kNeighbourCalibre + std::string(step) + ").";
        }
    }
    return kIncorrect;
}

std::string ExplainFrequency(double given, double expected, std::optional<double> otherChannel) {
    using namespace explanation;
    if (CloseEnough(given, expected)) return {};
    if (expected > 0) {
        if (fits(given, 1 / expected)) return kPeriodSeconds;
        if (fits(given, 1000 / expected)) return kPeriodMilliseconds;
    }
    if (fits(given, 1000 * expected)) return kHertzTooLarge;
    if (fits(given, expected / 1000)) return kHertzTooSmall;
    if (otherChannel && fits(given, *otherChannel)) return kOtherChannel;
    return kIncorrect;
}

std::string ExplainType(std::string_view given, std::string_view expected) {
    if (SameFirstLetters(std::string(given), std::string(expected))) return {};
    const std::string name = typeName(expected);
    const bool vowel = !name.empty() && std::string_view("aeiou").find(name[0]) != std::string_view::npos;
    return capitalised(typeName(given)) + (vowel ? " au lieu d'" : explanation::kInsteadOf) + name + ".";
}

} // namespace ondivel
