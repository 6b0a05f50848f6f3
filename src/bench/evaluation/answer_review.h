#pragma once
// What the pupil reads in "Voir les corrections" at the end of an exercise file: for each
// oscillogram, the answers given beside the expected ones and, for each wrong part, the likely
// mistake (physics/answer_explanations.h). Kept by the evaluation as each answer is scored.
#include <string>
#include <vector>

#include "physics/scoring.h"

namespace ondivel {

struct ReviewedChannel {
    ChannelAnswer answer;
    ChannelExpected expected;
    ChannelScore score;
    double voltsPerDiv = 0; // the sensitivity the channel was shown at, 0 when unknown
};

struct ReviewedOscillogram {
    int number = 0; // from 1
    ReviewedChannel channel[2];
};

// The lines of one oscillogram: a heading with its points, then per channel either "juste" or
// the answer, the expected values and one explanation per wrong part.
std::vector<std::string> CorrectionLines(const ReviewedOscillogram& osc);

} // namespace ondivel
