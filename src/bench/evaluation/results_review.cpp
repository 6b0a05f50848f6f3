#include "bench/evaluation/results_review.h"

#include "physics/answer_explanations.h"

namespace ondivel {

std::string ExplainPart(const RecordedOscillogram& osc, int channel, AnswerPart part,
                        std::optional<double> voltsPerDiv) {
    const RecordedChannel& c = osc.channel[channel];
    const RecordedChannel& other = osc.channel[1 - channel];
    if (c.verdictOf(part) != Verdict::Wrong) return {};
    std::string text;
    switch (part) {
    case AnswerPart::Type:
        if (c.expectedType.empty()) return {};
        text = ExplainType(c.givenType, c.expectedType);
        break;
    case AnswerPart::Peak:
        if (!c.expectedPeak) return {};
        text = ExplainPeak(c.givenPeak, *c.expectedPeak, other.expectedPeak, voltsPerDiv);
        break;
    case AnswerPart::Frequency:
        if (!c.expectedFrequency) return {};
        text = ExplainFrequency(c.givenFrequency, *c.expectedFrequency, other.expectedFrequency);
        break;
    }
    return text.empty() ? explanation::kIncorrect : text;
}

} // namespace ondivel
