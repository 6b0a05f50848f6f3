#pragma once
// The class table of the teacher's follow-up, without its window: which evaluations a filter
// keeps, their order by any column, and per oscillogram and answer part the share of the class
// that got it right. Rows are indices into the evaluations the results reader gave.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/results_reader.h"

namespace ondivel {

// An empty text keeps every value; classes and exercise titles are compared as FoldForSorting
// does ("2nde b" is "2NDE B"), the exercise by its file name (ExerciseTitle) wherever it lay.
// Dates are yyyymmddhhmmss (SortableDateTime), both ends kept; an evaluation whose date does not
// read is left out by any date bound.
struct ResultsFilter {
    std::string className;
    std::string exercise;
    std::optional<std::int64_t> from, to;
    bool withInterrupted = true;
};

std::vector<std::size_t> FilterEvaluations(const std::vector<RecordedEvaluation>& evaluations,
                                           const ResultsFilter& filter);

enum class ResultsColumn { Name, FirstName, Class, Exercise, Date, Mark, Interrupted };

// Stable: rows equal on the column keep their order, so sorting by first name then by name gives
// the usual list. Texts in French order (FoldForSorting, then byte order to break ties); dates
// and marks that do not read go last whichever the direction.
void SortEvaluations(const std::vector<RecordedEvaluation>& evaluations, std::vector<std::size_t>& rows,
                     ResultsColumn column, bool descending = false);

// Lower-case ASCII for comparing names: accents go ("Émile" → "emile", "Zoë" → "zoe"), "œ" and
// "æ" become "oe" and "ae", "ß" "ss"; other characters beyond Latin-1 stay as they are.
std::string FoldForSorting(std::string_view utf8);
// < 0, 0, > 0 in French alphabetical order: "Dupont" < "Émile" < "Fabre".
int CompareFrench(std::string_view a, std::string_view b);

// How many of the pupils who answered a part got it right. Every scored oscillogram counts, those
// of an interrupted evaluation too: its answers were judged like any other, and an oscillogram
// the pupil never reached is not counted at all (it is not a wrong answer), nor one whose record
// was torn (its verdicts may be cut). The filter's
// withInterrupted leaves them out when the teacher prefers.
struct PartShare {
    int right = 0;
    int answered = 0;
    // 0…1; nullopt when nobody answered.
    std::optional<double> share() const;
};

struct OscillogramShares {
    PartShare part[2][kAnswerParts]; // [channel][AnswerPart]
};

// One entry per oscillogram position, as far as the longest evaluation of the rows goes. Mixing
// exercise files makes positions meaningless: filter by exercise first.
std::vector<OscillogramShares> ClassShares(const std::vector<RecordedEvaluation>& evaluations,
                                           const std::vector<std::size_t>& rows);

} // namespace ondivel
