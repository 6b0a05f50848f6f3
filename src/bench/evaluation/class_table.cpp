#include "bench/evaluation/class_table.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "bench/evaluation/results_review.h"
#include "core/format.h"
#include "files/results_csv.h"

namespace ondivel {

namespace {

constexpr const char* kPartWords[kAnswerParts] = {"forme", "tension maximale", "fréquence"};

const char* markOf(Verdict v) {
    switch (v) {
    case Verdict::Right:
        return mark::kRight;
    case Verdict::Wrong:
        return mark::kWrong;
    default:
        return mark::kNotAsked;
    }
}

bool reached(const RecordedEvaluation& e, std::size_t k) {
    return k < e.oscillograms.size() && e.oscillograms[k].complete;
}

// A value as the pupil typed it or the teacher wrote it: a decimal comma, no trailing zeros.
std::string plain(double value) {
    std::string text = NumberText(std::round(value * 1000) / 1000);
    Remplacer(text, ".", ",");
    return text;
}

// Right parts of one oscillogram cell; -1 for an oscillogram not reached.
int rightParts(const RecordedEvaluation& e, std::size_t k, int channel) {
    if (!reached(e, k)) return -1;
    int n = 0;
    for (Verdict v : e.oscillograms[k].channel[channel].verdict)
        n += v == Verdict::Right ? 1 : 0;
    return n;
}

std::string answerOf(const RecordedChannel& c, AnswerPart part) {
    switch (part) {
    case AnswerPart::Peak: {
        std::string text = plain(c.givenPeak) + " V";
        if (c.expectedPeak) text += " au lieu de " + plain(*c.expectedPeak) + " V";
        return text;
    }
    case AnswerPart::Frequency: {
        std::string text = plain(c.givenFrequency) + " Hz";
        if (c.expectedFrequency) text += " au lieu de " + plain(*c.expectedFrequency) + " Hz";
        return text;
    }
    case AnswerPart::Type:
        break;
    }
    return {};
}

template <class Key>
std::vector<std::string> distinct(const std::vector<RecordedEvaluation>& evaluations, Key key) {
    std::vector<std::string> values;
    std::set<std::string> seen;
    for (const RecordedEvaluation& e : evaluations) {
        std::string v = key(e);
        if (v.empty() || !seen.insert(FoldForSorting(v)).second) continue;
        values.push_back(std::move(v));
    }
    std::stable_sort(values.begin(), values.end(),
                     [](const std::string& a, const std::string& b) { return CompareFrench(a, b) < 0; });
    return values;
}

} // namespace

std::vector<std::string> TableColumnTitles(std::size_t oscillograms) {
    std::vector<std::string> titles = {"Nom",  "Prénom",   "Classe",     "Exercice",
                                       "Date", "Note /20", "Interrompue"};
    for (std::size_t k = 0; k < oscillograms; ++k)
        for (int ch = 1; ch <= 2; ++ch)
            titles.push_back("O" + std::to_string(k + 1) + " CH" + std::to_string(ch));
    return titles;
}

std::vector<std::string> TableCells(const RecordedEvaluation& e, std::size_t oscillograms) {
    std::vector<std::string> cells = EvaluationFields(e);
    for (std::size_t k = 0; k < oscillograms; ++k)
        for (int ch = 0; ch < 2; ++ch) {
            std::string cell;
            if (reached(e, k))
                for (int p = 0; p < kAnswerParts; ++p) {
                    if (p > 0) cell += ' ';
                    cell += markOf(e.oscillograms[k].channel[ch].verdict[p]);
                }
            cells.push_back(std::move(cell));
        }
    return cells;
}

std::string JoinCells(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) line += kCellSeparator;
        // A tab or a line break inside a name would shift the columns.
        for (char c : cells[i])
            line += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
    }
    return line;
}

std::size_t LongestEvaluation(const std::vector<RecordedEvaluation>& evaluations,
                              const std::vector<std::size_t>& rows) {
    std::size_t longest = 0;
    for (std::size_t row : rows)
        longest = std::max(longest, evaluations[row].oscillograms.size());
    return longest;
}

void SortByColumn(const std::vector<RecordedEvaluation>& evaluations, std::vector<std::size_t>& rows,
                  int column, bool descending) {
    if (column < kFixedColumns) {
        SortEvaluations(evaluations, rows, static_cast<ResultsColumn>(std::max(column, 0)), descending);
        return;
    }
    const auto k = static_cast<std::size_t>((column - kFixedColumns) / 2);
    const int channel = (column - kFixedColumns) % 2;
    std::stable_sort(rows.begin(), rows.end(), [&](std::size_t a, std::size_t b) {
        const int ra = rightParts(evaluations[a], k, channel);
        const int rb = rightParts(evaluations[b], k, channel);
        if ((ra < 0) != (rb < 0)) return rb < 0; // not reached last, whichever the direction
        return descending ? ra > rb : ra < rb;
    });
}

std::vector<std::string> ShareColumnTitles() {
    return {"Oscillogramme", "Voie", "Forme", "Tension", "Fréquence"};
}

std::string ShareText(const PartShare& share) {
    const std::optional<double> s = share.share();
    if (!s) return mark::kNotAsked;
    return std::to_string(share.right) + "/" + std::to_string(share.answered) + " (" +
           FormatNumber(*s * 100, "0") + " %)";
}

std::vector<std::vector<std::string>> ShareCells(const std::vector<OscillogramShares>& shares) {
    std::vector<std::vector<std::string>> lines;
    for (std::size_t k = 0; k < shares.size(); ++k)
        for (int ch = 0; ch < 2; ++ch) {
            std::vector<std::string> cells = {std::to_string(k + 1), "CH" + std::to_string(ch + 1)};
            for (const PartShare& part : shares[k].part[ch])
                cells.push_back(ShareText(part));
            lines.push_back(std::move(cells));
        }
    return lines;
}

std::vector<std::string> ExplanationLines(const RecordedEvaluation& e, bool exerciseKnown) {
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < e.oscillograms.size(); ++k) {
        const RecordedOscillogram& osc = e.oscillograms[k];
        for (int ch = 0; ch < 2; ++ch)
            for (int p = 0; p < kAnswerParts; ++p) {
                const auto part = static_cast<AnswerPart>(p);
                if (osc.channel[ch].verdictOf(part) != Verdict::Wrong) continue;
                std::string line = "Oscillogramme " + std::to_string(k + 1) + ", CH" +
                                   std::to_string(ch + 1) + ", " + kPartWords[p] + " : ";
                const std::string answer = answerOf(osc.channel[ch], part);
                const std::string why = ExplainPart(osc, ch, part);
                if (!answer.empty()) line += answer + (why.empty() ? "." : " — ");
                line += why.empty() ? (answer.empty() ? "faux." : "") : why;
                lines.push_back(std::move(line));
            }
    }
    if (lines.empty())
        lines.push_back(e.oscillograms.empty() ? "Aucun oscillogramme n'a été corrigé."
                                               : "Aucune réponse fausse.");
    else if (!exerciseKnown)
        lines.insert(lines.begin(), "Fichier d'exercice « " + ExerciseTitle(e.exerciseFile) +
                                        " » absent du dossier des exercices : pas d'explication.");
    return lines;
}

std::optional<std::int64_t> FilterDay(std::string_view text) {
    const std::optional<std::int64_t> when = SortableDateTime(text);
    if (!when) return std::nullopt;
    return *when / 1000000;
}

std::vector<std::string> DistinctClasses(const std::vector<RecordedEvaluation>& evaluations) {
    return distinct(evaluations, [](const RecordedEvaluation& e) { return e.className; });
}

std::vector<std::string> DistinctExercises(const std::vector<RecordedEvaluation>& evaluations) {
    return distinct(evaluations, [](const RecordedEvaluation& e) { return ExerciseTitle(e.exerciseFile); });
}

} // namespace ondivel
