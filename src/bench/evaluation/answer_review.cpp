#include "bench/evaluation/answer_review.h"

#include <cmath>

#include "core/format.h"
#include "core/keywords.h"
#include "physics/answer_explanations.h"
#include "physics/waveforms.h"

namespace ondivel {

namespace {

// A value as the pupil typed or the teacher wrote it: no trailing zeros, a decimal comma, and
// no 4,9999999 from the alternator's ×1,5.
std::string Plain(double value) {
    std::string text = NumberText(std::round(value * 1000) / 1000);
    Remplacer(text, ".", ",");
    return text;
}

std::string Lowered(const std::string& caption) {
    return caption == "Alternateur vélo" ? "alternateur vélo" : LowerKeyword(caption);
}

std::string AnswerText(const ChannelAnswer& a) {
    if (a.continuous) return "tension continue de " + Plain(a.typedAmplitude) + " V";
    static const char* const kShapes[] = {"sinusoïdale", "carrée", "triangulaire", "alternateur vélo"};
    const std::string shape = a.shape >= 0 && a.shape < 4 ? kShapes[a.shape] : "?";
    return shape + ", " + Plain(a.typedAmplitude) + " V, " + Plain(a.frequency) + " Hz";
}

// The peak the screen showed: for the alternator, the value written in the file.
double ShownPeak(const ChannelExpected& e) {
    return WaveformOf(e.signal) == Waveform::Alternator ? e.amplitude * kAlternatorPeakRatio : e.amplitude;
}

std::string ExpectedText(const ChannelExpected& e) {
    if (LowerKeyword(e.signal) == "cc") return "tension continue de " + Plain(e.amplitude) + " V";
    return Lowered(ShapeCaption(e.signal)) + ", " + Plain(ShownPeak(e)) + " V, " + Plain(e.frequency) + " Hz";
}

} // namespace

std::vector<std::string> CorrectionLines(const ReviewedOscillogram& osc) {
    int points = 0, available = 0;
    for (const ReviewedChannel& c : osc.channel) {
        points += c.score.points;
        available += c.score.available;
    }
    std::vector<std::string> lines{"Oscillogramme n° " + std::to_string(osc.number) + " : " +
                                   std::to_string(points) + " point" + (points > 1 ? "s" : "") + " sur " +
                                   std::to_string(available)};
    for (int ch = 0; ch < 2; ++ch) {
        const ReviewedChannel& c = osc.channel[ch];
        const ReviewedChannel& other = osc.channel[1 - ch];
        const std::string side = ch == 0 ? "Voie A" : "Voie B";
        if (c.score.points == c.score.available) {
            lines.push_back("   " + side + " : juste.");
            continue;
        }
        lines.push_back("   " + side + " : vous avez répondu " + AnswerText(c.answer) + " ; il fallait " +
                        ExpectedText(c.expected) + ".");
        if (!c.score.kindCorrection.empty()) {
            const std::string why = ExplainType(c.score.type, c.expected.signal);
            lines.push_back("      Type : " + (why.empty() ? std::string(explanation::kIncorrect) : why));
        }
        if (!c.score.amplitudeCorrection.empty()) {
            const std::optional<double> calibre =
                c.voltsPerDiv > 0 ? std::optional<double>(c.voltsPerDiv) : std::nullopt;
            lines.push_back("      Tension maximale : " + ExplainPeak(c.answer.typedAmplitude,
                                                                      ShownPeak(c.expected),
                                                                      ShownPeak(other.expected), calibre));
        }
        if (!c.score.frequencyCorrection.empty())
            lines.push_back("      Fréquence : " + ExplainFrequency(c.score.frequency, c.expected.frequency,
                                                                    other.expected.frequency));
    }
    return lines;
}

} // namespace ondivel
