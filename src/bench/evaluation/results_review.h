#pragma once
// What the teacher's follow-up says of each wrong part of a pupil's answer: the explanations of
// physics/answer_explanations.h applied to an oscillogram read back from a results file, once
// AttachExercise has put the expected values beside it.
#include <optional>
#include <string>

#include "files/results_reader.h"

namespace ondivel {

// "" for a part that is right, not asked, or whose expected value is not known (no exercise file
// attached); otherwise the likely mistake, or "Valeur incorrecte." when the numbers show none
// (also for an answer the file's one decimal brings back within 5 %). voltsPerDiv: the
// sensitivity the channel was read at, when the window knows it.
std::string ExplainPart(const RecordedOscillogram& osc, int channel, AnswerPart part,
                        std::optional<double> voltsPerDiv = std::nullopt);

} // namespace ondivel
