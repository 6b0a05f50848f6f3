#include "files/results_table.h"

#include <algorithm>

#include "core/win1252.h"

namespace ondivel {

namespace {

// U+00C0…U+00FF without their accents, lower case; "" for × and ÷, kept as they are.
constexpr const char* kLatin1Folded[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",  //
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss", //
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",  //
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

void appendFolded(std::string& out, std::uint32_t cp) {
    if (cp >= 'A' && cp <= 'Z') {
        out += static_cast<char>(cp + 32);
    } else if (cp >= 0xC0 && cp <= 0xFF && *kLatin1Folded[cp - 0xC0] != '\0') {
        out += kLatin1Folded[cp - 0xC0];
    } else if (cp == 0x152 || cp == 0x153) {
        out += "oe";
    } else if (cp == 0x160 || cp == 0x161) {
        out += 's';
    } else if (cp == 0x17D || cp == 0x17E) {
        out += 'z';
    } else if (cp == 0x178) {
        out += 'y';
    } else {
        appendUtf8(out, cp);
    }
}

int compareBytes(std::string_view a, std::string_view b) {
    const int c = a.compare(b);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

const std::string& textOf(const RecordedEvaluation& e, ResultsColumn column) {
    switch (column) {
    case ResultsColumn::FirstName:
        return e.firstName;
    case ResultsColumn::Class:
        return e.className;
    case ResultsColumn::Exercise:
        return e.exerciseFile;
    default:
        return e.name;
    }
}

// A value that may be missing: present ones first, in their order.
template <typename T>
int compareKnown(const std::optional<T>& a, const std::optional<T>& b, bool descending) {
    if (a.has_value() != b.has_value()) return a ? -1 : 1;
    if (!a || *a == *b) return 0;
    return (*a < *b) != descending ? -1 : 1;
}

} // namespace

std::string FoldForSorting(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        std::uint32_t cp = 0;
        const std::size_t length = decodeUtf8(utf8, i, cp);
        if (length == 0) {
            out += utf8[i++]; // not UTF-8: the byte as it is
            continue;
        }
        appendFolded(out, cp);
        i += length;
    }
    return out;
}

int CompareFrench(std::string_view a, std::string_view b) {
    const int folded = compareBytes(FoldForSorting(a), FoldForSorting(b));
    return folded != 0 ? folded : compareBytes(a, b);
}

std::vector<std::size_t> FilterEvaluations(const std::vector<RecordedEvaluation>& evaluations,
                                           const ResultsFilter& filter) {
    const std::string className = FoldForSorting(filter.className);
    const std::string exercise = FoldForSorting(ExerciseTitle(filter.exercise));
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < evaluations.size(); ++i) {
        const RecordedEvaluation& e = evaluations[i];
        if (!filter.withInterrupted && e.interrompue) continue;
        if (!className.empty() && FoldForSorting(e.className) != className) continue;
        if (!exercise.empty() && FoldForSorting(ExerciseTitle(e.exerciseFile)) != exercise) continue;
        if ((filter.from || filter.to) && !e.when) continue;
        if (filter.from && *e.when < *filter.from) continue;
        if (filter.to && *e.when > *filter.to) continue;
        rows.push_back(i);
    }
    return rows;
}

void SortEvaluations(const std::vector<RecordedEvaluation>& evaluations, std::vector<std::size_t>& rows,
                     ResultsColumn column, bool descending) {
    const auto before = [&](std::size_t ia, std::size_t ib) {
        const RecordedEvaluation& a = evaluations[ia];
        const RecordedEvaluation& b = evaluations[ib];
        int c = 0;
        switch (column) {
        case ResultsColumn::Date:
            return compareKnown(a.when, b.when, descending) < 0;
        case ResultsColumn::Mark:
            return compareKnown(a.mark, b.mark, descending) < 0;
        case ResultsColumn::Interrupted:
            c = static_cast<int>(a.interrompue) - static_cast<int>(b.interrompue);
            break;
        case ResultsColumn::Exercise:
            c = CompareFrench(ExerciseTitle(a.exerciseFile), ExerciseTitle(b.exerciseFile));
            break;
        default:
            c = CompareFrench(textOf(a, column), textOf(b, column));
            break;
        }
        return descending ? c > 0 : c < 0;
    };
    std::stable_sort(rows.begin(), rows.end(), before);
}

std::optional<double> PartShare::share() const {
    if (answered == 0) return std::nullopt;
    return static_cast<double>(right) / answered;
}

std::vector<OscillogramShares> ClassShares(const std::vector<RecordedEvaluation>& evaluations,
                                           const std::vector<std::size_t>& rows) {
    std::vector<OscillogramShares> shares;
    for (std::size_t row : rows) {
        const std::vector<RecordedOscillogram>& list = evaluations[row].oscillograms;
        if (shares.size() < list.size()) shares.resize(list.size());
        for (std::size_t k = 0; k < list.size(); ++k)
            for (int ch = 0; ch < 2 && list[k].complete; ++ch)
                for (int p = 0; p < kAnswerParts; ++p) {
                    const Verdict v = list[k].channel[ch].verdict[p];
                    if (v == Verdict::NotAsked) continue;
                    PartShare& s = shares[k].part[ch][p];
                    ++s.answered;
                    s.right += v == Verdict::Right ? 1 : 0;
                }
    }
    return shares;
}

} // namespace ondivel
